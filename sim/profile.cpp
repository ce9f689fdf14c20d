#include "sim/profile.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <glob.h>
#include <limits>
#include <sstream>

namespace trqsim {

// --- expressions -----------------------------------------------------------------------

namespace {

// Parentheses, unary operators and "?:" nest at most this deep.
constexpr int kMaxExprDepth = 64;

class ExprParser {
public:
    ExprParser(const std::string& s, const Vars& v) : s_(s), vars_(v) {}

    bool parse(int64_t& out, std::string* error)
    {
        out = cond();
        skip();
        if (err_.empty() && pos_ != s_.size())
            err_ = "unexpected '" + s_.substr(pos_) + "'";
        if (!err_.empty()) {
            if (error)
                *error = "expression {" + s_ + "}: " + err_;
            return false;
        }
        return true;
    }

private:
    void skip()
    {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_])))
            ++pos_;
    }
    bool eat(const char* tok)
    {
        skip();
        size_t n = std::char_traits<char>::length(tok);
        if (s_.compare(pos_, n, tok) != 0)
            return false;
        // "<" must not swallow "<=", "=" is never a token on its own
        if (n == 1 && pos_ + 1 < s_.size() && (tok[0] == '<' || tok[0] == '>' || tok[0] == '!') &&
            s_[pos_ + 1] == '=')
            return false;
        pos_ += n;
        return true;
    }
    // Counts one level of nesting for the scope; too deep fails the expression.
    struct Level {
        ExprParser& p;
        explicit Level(ExprParser& parser) : p(parser)
        {
            if (++p.depth_ > kMaxExprDepth)
                p.fail("nested too deeply");
        }
        ~Level() { --p.depth_; }
    };
    int64_t cond()
    {
        const Level level(*this);
        if (!err_.empty())
            return 0;
        int64_t c = orExpr();
        if (eat("?")) {
            int64_t a = cond();
            if (!eat(":")) {
                fail("missing ':'");
                return 0;
            }
            int64_t b = cond();
            return c ? a : b;
        }
        return c;
    }
    int64_t orExpr()
    {
        int64_t v = andExpr();
        while (eat("||")) {
            int64_t r = andExpr();
            v = (v || r) ? 1 : 0;
        }
        return v;
    }
    int64_t andExpr()
    {
        int64_t v = cmp();
        while (eat("&&")) {
            int64_t r = cmp();
            v = (v && r) ? 1 : 0;
        }
        return v;
    }
    int64_t cmp()
    {
        int64_t v = add();
        if (eat("==")) return v == add();
        if (eat("!=")) return v != add();
        if (eat("<=")) return v <= add();
        if (eat(">=")) return v >= add();
        if (eat("<")) return v < add();
        if (eat(">")) return v > add();
        return v;
    }
    // a op b, or a failure when the result leaves the 64-bit range.
    int64_t arith(char op, int64_t a, int64_t b)
    {
        int64_t r = 0;
        const bool overflowed = op == '+'   ? __builtin_add_overflow(a, b, &r)
                                : op == '-' ? __builtin_sub_overflow(a, b, &r)
                                            : __builtin_mul_overflow(a, b, &r);
        if (overflowed) {
            fail("integer overflow");
            return 0;
        }
        return r;
    }
    int64_t add()
    {
        int64_t v = mul();
        for (;;) {
            if (eat("+")) v = arith('+', v, mul());
            else if (eat("-")) v = arith('-', v, mul());
            else return v;
        }
    }
    int64_t mul()
    {
        int64_t v = unary();
        for (;;) {
            if (eat("*")) {
                v = arith('*', v, unary());
            } else if (eat("/") || eat("%")) {
                bool div = s_[pos_ - 1] == '/';
                int64_t r = unary();
                if (r == 0) {
                    fail("division by zero");
                    return 0;
                }
                // The one quotient outside the range: the smallest value divided by -1.
                if (r == -1 && v == std::numeric_limits<int64_t>::min()) {
                    if (div) {
                        fail("integer overflow");
                        return 0;
                    }
                    v = 0;
                } else {
                    v = div ? v / r : v % r;
                }
            } else
                return v;
        }
    }
    int64_t unary()
    {
        const Level level(*this);
        if (!err_.empty())
            return 0;
        if (eat("-"))
            return arith('-', 0, unary());
        if (eat("!")) return unary() ? 0 : 1;
        return primary();
    }
    int64_t primary()
    {
        skip();
        if (eat("(")) {
            int64_t v = cond();
            if (!eat(")"))
                fail("missing ')'");
            return v;
        }
        size_t start = pos_;
        if (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
            while (pos_ < s_.size() && std::isalnum(static_cast<unsigned char>(s_[pos_])))
                ++pos_;
            return number(s_.substr(start, pos_ - start));
        }
        while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_'))
            ++pos_;
        if (start == pos_) {
            fail("operand expected");
            return 0;
        }
        std::string name = s_.substr(start, pos_ - start);
        auto it = vars_.find(name);
        if (it == vars_.end()) {
            fail("unknown variable " + name);
            return 0;
        }
        return number(it->second);
    }
    int64_t number(const std::string& text)
    {
        char* end = nullptr;
        errno = 0;
        long long v = std::strtoll(text.c_str(), &end, 0);
        if (text.empty() || *end != '\0')
            fail("not a number: " + text);
        else if (errno == ERANGE)
            fail("number out of range: " + text);
        return v;
    }
    void fail(const std::string& why)
    {
        if (err_.empty())
            err_ = why;
        pos_ = s_.size();
    }

    const std::string& s_;
    const Vars& vars_;
    size_t pos_ = 0;
    int depth_ = 0;
    std::string err_;
};

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos)
        return "";
    size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

// Splits off the first n whitespace-separated words; the remainder (trimmed) is last.
std::vector<std::string> words(const std::string& line, size_t n)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (out.size() < n) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        if (i >= line.size())
            return out;
        size_t j = i;
        while (j < line.size() && !std::isspace(static_cast<unsigned char>(line[j])))
            ++j;
        out.push_back(line.substr(i, j - i));
        i = j;
    }
    std::string rest = trim(line.substr(std::min(i, line.size())));
    out.push_back(rest);
    return out;
}

std::vector<std::string> splitWords(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string w;
    while (in >> w)
        out.push_back(w);
    return out;
}

// A whole decimal integer within min..max.
bool parseInteger(const std::string& text, int64_t min, int64_t max, int64_t& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < min || v > max)
        return false;
    out = v;
    return true;
}

bool parseRanges(const std::string& text, std::vector<std::pair<int64_t, int64_t>>& out)
{
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        part = trim(part);
        size_t dash = part.find('-', 1);
        char* end = nullptr;
        long long a = std::strtoll(part.c_str(), &end, 10);
        if (part.empty() || (dash == std::string::npos ? *end != '\0' : end != part.c_str() + dash))
            return false;
        long long b = a;
        if (dash != std::string::npos) {
            std::string tail = part.substr(dash + 1);
            b = std::strtoll(tail.c_str(), &end, 10);
            if (tail.empty() || *end != '\0' || b < a)
                return false;
        }
        out.emplace_back(a, b);
    }
    return !out.empty();
}

} // namespace

bool evalExpression(const std::string& expr, const Vars& vars, int64_t& out, std::string* error)
{
    return ExprParser(expr, vars).parse(out, error);
}

bool expandTemplate(const std::string& text, const Vars& vars, std::string& out, std::string* error)
{
    out.clear();
    size_t i = 0;
    while (i < text.size()) {
        size_t open = text.find('{', i);
        if (open == std::string::npos) {
            out += text.substr(i);
            break;
        }
        size_t close = text.find('}', open);
        if (close == std::string::npos) {
            if (error)
                *error = "unclosed '{' in " + text;
            return false;
        }
        out += text.substr(i, open - i);
        std::string expr = trim(text.substr(open + 1, close - open - 1));
        auto var = vars.find(expr);
        if (var != vars.end())
            out += var->second;
        else {
            int64_t v;
            if (!evalExpression(expr, vars, v, error))
                return false;
            out += std::to_string(v);
        }
        i = close + 1;
    }
    return true;
}

// --- chassis ---------------------------------------------------------------------------

namespace {

// Default LED pattern: every fourth port has no link, the first of each four is busy.
bool portLinkUp(int position) { return position % 4 != 0; }

std::string defaultLeds(int ports)
{
    std::string s(4, char(0x02));
    for (int p = 1; p <= ports; ++p) {
        bool up = portLinkUp(p);
        s += char(up ? (p % 4 == 1 ? 0x82 : 0x02) : 0x01);
        s += char(up ? 0x02 : 0x01);
    }
    return s;
}

} // namespace

Vars Chassis::unitVars(int unit) const
{
    Vars v;
    auto u = units.find(unit);
    const ModelDef* m = nullptr;
    if (u != units.end()) {
        auto it = models.find(u->second);
        if (it != models.end())
            m = &it->second;
    }
    v["unit"] = std::to_string(unit);
    v["model"] = u != units.end() ? u->second : "";
    v["ports"] = std::to_string(m ? m->ports : 0);
    v["startport"] = std::to_string(portNumber(unit, 1));
    v["leds"] = hexOf(leds(unit));
    return v;
}

Vars Chassis::portVars(int unit, int position) const
{
    Vars v = unitVars(unit);
    v["pos"] = std::to_string(position);
    v["port"] = std::to_string(portNumber(unit, position));
    v["linkup"] = portLinkUp(position) ? "1" : "0";
    auto u = units.find(unit);
    if (u != units.end()) {
        auto m = models.find(u->second);
        if (m != models.end())
            for (const auto& [key, list] : m->second.perPort)
                if (!list.empty())
                    v[key] = list[std::min(size_t(position), list.size()) - 1];
    }
    return v;
}

std::string Chassis::leds(int unit) const
{
    auto it = leds_.find(unit);
    if (it != leds_.end())
        return it->second;
    auto u = units.find(unit);
    if (u == units.end())
        return "";
    auto m = models.find(u->second);
    return defaultLeds(m != models.end() ? m->second.ports : 0);
}

static bool writeRow(Store& store, const RowTemplate& t, const Vars& vars, std::string* error)
{
    if (!t.where.empty()) {
        int64_t keep;
        if (!evalExpression(t.where, vars, keep, error))
            return false;
        if (!keep)
            return true;
    }
    std::string indexText;
    if (!expandTemplate(t.index, vars, indexText, error))
        return false;
    Oid index;
    if (!parseOid(indexText, index)) {
        if (error)
            *error = "bad index " + indexText;
        return false;
    }
    for (const TemplateLine& line : t.lines) {
        std::string text;
        Value v;
        if (!expandTemplate(line.value, vars, text, error) || !parseValue(line.tag, text, v, error)) {
            if (error)
                *error = line.where + ": " + *error;
            return false;
        }
        Oid oid = t.entry;
        oid.push_back(line.column);
        oid.insert(oid.end(), index.begin(), index.end());
        store.put(oid, Cell{v, line.access});
    }
    return true;
}

bool Chassis::instantiate(Store& store, const RowTemplate& t, int unit, std::string* error)
{
    if (t.kind == RowTemplate::Units)
        return writeRow(store, t, unitVars(unit), error);
    auto u = units.find(unit);
    auto m = u == units.end() ? models.end() : models.find(u->second);
    int ports = m == models.end() ? 0 : m->second.ports;
    for (int p = 1; p <= ports; ++p)
        if (!writeRow(store, t, portVars(unit, p), error))
            return false;
    return true;
}

bool Chassis::insertModule(Store& store, int unit, const std::string& model, std::string* error)
{
    if (unit < 1 || unit > 8) {
        if (error)
            *error = "unit must be 1..8";
        return false;
    }
    if (!models.count(model)) {
        if (error)
            *error = "unknown model " + model;
        return false;
    }
    if (units.count(unit))
        removeModule(store, unit, nullptr);
    units[unit] = model;
    for (const RowTemplate& t : unitTemplates)
        if (!instantiate(store, t, unit, error))
            return false;
    for (const RowTemplate& t : portTemplates)
        if (!instantiate(store, t, unit, error))
            return false;
    return true;
}

bool Chassis::removeModule(Store& store, int unit, std::string* error)
{
    if (!units.count(unit)) {
        if (error)
            *error = "no module in unit " + std::to_string(unit);
        return false;
    }
    auto removeRows = [&](const RowTemplate& t, const Vars& vars) {
        int64_t keep = 1;
        if (!t.where.empty() && (!evalExpression(t.where, vars, keep, nullptr) || !keep))
            return;
        std::string indexText;
        Oid index;
        if (expandTemplate(t.index, vars, indexText, nullptr) && parseOid(indexText, index))
            store.removeRow(t.entry, index);
    };
    auto m = models.find(units[unit]);
    int ports = m == models.end() ? 0 : m->second.ports;
    for (const RowTemplate& t : unitTemplates)
        removeRows(t, unitVars(unit));
    for (const RowTemplate& t : portTemplates)
        for (int p = 1; p <= ports; ++p)
            removeRows(t, portVars(unit, p));
    units.erase(unit);
    leds_.erase(unit);
    return true;
}

bool Chassis::swapModules(Store& store, int unitA, int unitB, std::string* error)
{
    if (unitA < 1 || unitA > 8 || unitB < 1 || unitB > 8 || unitA == unitB) {
        if (error)
            *error = "units must be two different units 1..8";
        return false;
    }
    if (!units.count(unitA) && !units.count(unitB)) {
        if (error)
            *error = "no module in unit " + std::to_string(unitA) + " or " + std::to_string(unitB);
        return false;
    }
    struct Module {
        std::string model, leds;
        bool present = false, ownLeds = false;
    };
    auto take = [&](int unit) {
        Module m;
        if (!units.count(unit))
            return m;
        m.present = true;
        m.model = units[unit];
        auto l = leds_.find(unit);
        if (l != leds_.end()) {
            m.ownLeds = true;
            m.leds = l->second;
        }
        removeModule(store, unit, nullptr);
        return m;
    };
    auto put = [&](int unit, const Module& m) {
        if (!m.present)
            return true;
        if (m.ownLeds)
            leds_[unit] = m.leds;
        return insertModule(store, unit, m.model, error);
    };
    const Module a = take(unitA);
    const Module b = take(unitB);
    return put(unitA, b) && put(unitB, a);
}

bool Chassis::setLeds(Store& store, int unit, const std::string& octets, std::string* error)
{
    if (!units.count(unit)) {
        if (error)
            *error = "no module in unit " + std::to_string(unit);
        return false;
    }
    leds_[unit] = octets;
    for (const RowTemplate& t : unitTemplates)
        if (!instantiate(store, t, unit, error))
            return false;
    return true;
}

// --- profile files ---------------------------------------------------------------------

namespace {

// A row generator makes at most this many rows; a model's per-port list holds at most
// one value per port.
constexpr int64_t kMaxGeneratedRows = 100000;
constexpr int64_t kMaxPorts = 64;

struct Loader {
    Profile& p;
    std::string error;
    int depth = 0;

    bool fail(const std::string& where, const std::string& why)
    {
        error = where + ": " + why;
        return false;
    }

    bool intArg(const std::string& where, const std::string& text, int64_t min, int64_t max, int64_t& out,
                const std::string& what)
    {
        if (!parseInteger(text, min, max, out))
            return fail(where, what + " must be an integer from " + std::to_string(min) + " to " +
                                   std::to_string(max) + ", not " + text);
        return true;
    }
    // A table column number (an OID arc other than 0).
    bool columnArg(const std::string& where, const std::string& text, uint32_t& out)
    {
        int64_t n;
        if (!intArg(where, text, 1, std::numeric_limits<uint32_t>::max(), n, "a column"))
            return false;
        out = uint32_t(n);
        return true;
    }

    bool oidArg(const std::string& where, const std::string& text, Oid& out)
    {
        if (!parseOid(text, out))
            return fail(where, "bad OID " + text);
        return true;
    }

    bool load(const std::string& path)
    {
        if (++depth > 8)
            return fail(path, "includes nested too deeply");
        std::ifstream in(path);
        if (!in)
            return fail(path, "cannot read");
        std::string dir = path.find('/') == std::string::npos ? "." : path.substr(0, path.rfind('/'));
        std::string raw;
        int lineNo = 0;
        RowTemplate* block = nullptr;
        RowTemplate current;
        while (std::getline(in, raw)) {
            ++lineNo;
            std::string where = path + ":" + std::to_string(lineNo);
            std::string line = trim(raw);
            if (line.empty() || line[0] == '#')
                continue;
            if (block) {
                if (line == "@end") {
                    if (!finishBlock(where, *block))
                        return false;
                    block = nullptr;
                    continue;
                }
                auto w = words(line, 3);
                TemplateLine t;
                Oid col;
                if (w.size() < 3 || !parseOid(w[0], col) || col.size() != 1)
                    return fail(where, "expected: COLUMN TAG ACCESS VALUE");
                t.column = col[0];
                t.tag = w[1];
                uint8_t type;
                bool hex;
                if (!tagFromName(t.tag, type, hex))
                    return fail(where, "unknown type " + t.tag);
                if (!parseAccess(w[2], t.access))
                    return fail(where, "bad access " + w[2]);
                t.value = w.size() > 3 ? w[3] : "";
                t.where = where;
                block->lines.push_back(t);
                continue;
            }
            if (line[0] != '@') {
                if (!valueLine(where, line))
                    return false;
                continue;
            }
            auto w = splitWords(line);
            const std::string& d = w[0];
            if (d == "@rows" || d == "@units" || d == "@ports") {
                current = RowTemplate{};
                size_t next = 2;
                if (w.size() < 2 || !oidArg(where, w[1], current.entry))
                    return fail(where, "expected: " + d + " ENTRY ...");
                if (d == "@rows") {
                    current.kind = RowTemplate::Rows;
                    current.index = "{i}";
                    if (w.size() < 4)
                        return fail(where, "expected: @rows ENTRY FROM TO [index=TEMPLATE]");
                    const int64_t limit = std::numeric_limits<uint32_t>::max();
                    if (!intArg(where, w[2], -limit, limit, current.from, "FROM") ||
                        !intArg(where, w[3], -limit, limit, current.to, "TO"))
                        return false;
                    if (current.to - current.from >= kMaxGeneratedRows)
                        return fail(where, "more than " + std::to_string(kMaxGeneratedRows) + " rows");
                    next = 4;
                } else if (d == "@units") {
                    current.kind = RowTemplate::Units;
                    current.index = "{unit}";
                } else {
                    current.kind = RowTemplate::Ports;
                    current.index = "{port}";
                }
                for (; next < w.size(); ++next) {
                    if (w[next].rfind("index=", 0) == 0)
                        current.index = w[next].substr(6);
                    else if (w[next].rfind("where=", 0) == 0)
                        current.where = w[next].substr(6);
                    else
                        return fail(where, "unknown option " + w[next]);
                }
                block = &current;
                continue;
            }
            if (!directive(where, dir, w, line))
                return false;
        }
        if (block)
            return fail(path, "missing @end");
        --depth;
        return true;
    }

    bool valueLine(const std::string& where, const std::string& line)
    {
        auto w = words(line, 3);
        if (w.size() < 3)
            return fail(where, "expected: OID TAG ACCESS VALUE");
        Oid oid;
        if (!oidArg(where, w[0], oid))
            return false;
        Cell c;
        std::string why;
        if (!parseAccess(w[2], c.access))
            return fail(where, "bad access " + w[2]);
        if (!parseValue(w[1], w.size() > 3 ? w[3] : "", c.value, &why))
            return fail(where, why);
        p.store.put(oid, c);
        return true;
    }

    // A failure of a block line names that line; any other failure of the block, its end.
    bool blockFail(const std::string& where, const std::string& why)
    {
        const std::string file = where.substr(0, where.rfind(':') + 1);
        if (why.compare(0, file.size(), file) == 0) {
            error = why;
            return false;
        }
        return fail(where, why);
    }

    bool finishBlock(const std::string& where, const RowTemplate& t)
    {
        std::string why;
        if (t.kind == RowTemplate::Rows) {
            for (int64_t i = t.from; i <= t.to; ++i) {
                Vars v{{"i", std::to_string(i)}};
                if (!writeRow(p.store, t, v, &why))
                    return blockFail(where, why);
            }
            return true;
        }
        auto& list = t.kind == RowTemplate::Units ? p.chassis.unitTemplates : p.chassis.portTemplates;
        list.push_back(t);
        for (const auto& [unit, model] : p.chassis.units)
            if (!p.chassis.instantiate(p.store, t, unit, &why))
                return blockFail(where, why);
        return true;
    }

    bool directive(const std::string& where, const std::string& dir, const std::vector<std::string>& w,
                   const std::string& line)
    {
        const std::string& d = w[0];
        std::string why;
        Oid oid;
        if (d == "@include") {
            if (w.size() != 2)
                return fail(where, "expected: @include FILE");
            const std::string file = w[1][0] == '/' ? w[1] : dir + "/" + w[1];
            if (file.find_first_of("*?[") == std::string::npos)
                return load(file);
            // A pattern: every file it matches, in name order; none is no error.
            glob_t found{};
            const int status = glob(file.c_str(), 0, nullptr, &found);
            std::vector<std::string> files(found.gl_pathv, found.gl_pathv + (status == 0 ? found.gl_pathc : 0));
            globfree(&found);
            if (status != 0 && status != GLOB_NOMATCH)
                return fail(where, "cannot list " + file);
            for (const std::string& f : files)
                if (!load(f))
                    return false;
            return true;
        }
        if (w.size() < 2)
            return fail(where, "missing arguments");
        if (d == "@model") {
            if (w.size() < 3)
                return fail(where, "expected: @model NAME PORTS [var=LIST ...]");
            ModelDef m;
            m.name = w[1];
            int64_t ports;
            if (!intArg(where, w[2], 0, kMaxPorts, ports, "PORTS"))
                return false;
            m.ports = int(ports);
            for (size_t i = 3; i < w.size(); ++i) {
                size_t eq = w[i].find('=');
                if (eq == std::string::npos || eq == 0)
                    return fail(where, "expected var=LIST, got " + w[i]);
                std::vector<std::string>& list = m.perPort[w[i].substr(0, eq)];
                std::stringstream in(w[i].substr(eq + 1));
                std::string item;
                while (std::getline(in, item, ',')) {
                    size_t star = item.find('*');
                    int64_t count = 1;
                    if (star != std::string::npos &&
                        !intArg(where, item.substr(star + 1), 1, kMaxPorts, count, "a repeat count"))
                        return false;
                    if (int64_t(list.size()) + count > kMaxPorts)
                        return fail(where, "more than " + std::to_string(kMaxPorts) + " values in " + w[i]);
                    for (int64_t k = 0; k < count; ++k)
                        list.push_back(item.substr(0, star));
                }
            }
            p.chassis.models[m.name] = m;
            return true;
        }
        if (d == "@unit") {
            if (w.size() != 3)
                return fail(where, "expected: @unit UNIT MODEL");
            int64_t unit;
            if (!intArg(where, w[1], 1, 8, unit, "UNIT"))
                return false;
            if (!p.chassis.insertModule(p.store, int(unit), w[2], &why))
                return blockFail(where, why);
            return true;
        }
        if (!oidArg(where, w[1], oid))
            return false;
        if (d == "@subtree") {
            // Served once: a subtree inside a served one adds nothing, one around served
            // ones takes their place.
            for (const Oid& s : p.subtrees)
                if (oidStartsWith(oid, s))
                    return true;
            std::erase_if(p.subtrees, [&oid](const Oid& s) { return oidStartsWith(s, oid); });
            p.subtrees.push_back(oid);
            return true;
        }
        if (d == "@delete") {
            p.store.removeSubtree(oid);
            return true;
        }
        if (d == "@column") {
            auto a = words(line, 5);
            if (a.size() < 5)
                return fail(where, "expected: @column ENTRY COLUMN TAG ACCESS [DEFAULT]");
            ColumnDef c;
            bool hex;
            if (!tagFromName(a[3], c.type, hex))
                return fail(where, "unknown type " + a[3]);
            if (!parseAccess(a[4], c.access))
                return fail(where, "bad access " + a[4]);
            if (a.size() > 5 && !a[5].empty()) {
                Value v;
                if (!parseValue(a[3], a[5], v, &why))
                    return fail(where, why);
                c.defaultValue = v;
            }
            uint32_t column;
            if (!columnArg(where, a[2], column))
                return false;
            p.store.table(oid).columns[column] = c;
            return true;
        }
        if (d == "@rowstatus" || d == "@required" || d == "@index" || d == "@state") {
            if (w.size() < 3)
                return fail(where, "expected: " + d + " ENTRY COLUMN ...");
            TableDef& t = p.store.table(oid);
            if (d == "@rowstatus") {
                if (!columnArg(where, w[2], t.rowStatusColumn))
                    return false;
            } else if (d == "@state") {
                if (w.size() != 4)
                    return fail(where, "expected: @state ENTRY COLUMN DELETEVALUE");
                if (!columnArg(where, w[2], t.stateColumn) ||
                    !intArg(where, w[3], std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                            t.deleteValue, "DELETEVALUE"))
                    return false;
            } else {
                auto& list = d == "@required" ? t.required : t.indexColumns;
                for (size_t i = 2; i < w.size(); ++i) {
                    uint32_t column;
                    if (!columnArg(where, w[i], column))
                        return false;
                    list.push_back(column);
                }
            }
            return true;
        }
        if (d == "@range" || d == "@size") {
            if (w.size() != 3)
                return fail(where, "expected: " + d + " OBJECT LIST");
            std::vector<std::pair<int64_t, int64_t>> ranges;
            if (!parseRanges(w[2], ranges) || (d == "@size" && ranges.front().first < 0))
                return fail(where, "bad range list " + w[2]);
            Constraint c;
            if (d == "@range")
                c.ranges = ranges;
            else
                c.size = std::make_pair(size_t(ranges.front().first), size_t(ranges.front().second));
            p.store.setConstraint(oid, c);
            return true;
        }
        return fail(where, "unknown directive " + d);
    }
};

} // namespace

bool loadProfile(const std::string& path, Profile& profile, std::string* error)
{
    Loader l{profile, {}, 0};
    if (!l.load(path)) {
        if (error)
            *error = l.error;
        return false;
    }
    for (const auto& [oid, cell] : profile.store.cells()) {
        bool served = false;
        for (const Oid& s : profile.subtrees)
            served = served || oidStartsWith(oid, s);
        if (!served) {
            if (error)
                *error = path + ": " + oidToString(oid) + " lies outside every @subtree";
            return false;
        }
    }
    return true;
}

} // namespace trqsim

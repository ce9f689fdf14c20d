#include "sim/store.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>

namespace trqsim {

namespace {

Oid concat(const Oid& a, uint32_t b)
{
    Oid r = a;
    r.push_back(b);
    return r;
}

Oid concat(const Oid& a, uint32_t b, const Oid& c)
{
    Oid r = concat(a, b);
    r.insert(r.end(), c.begin(), c.end());
    return r;
}

bool parseInt64(const std::string& text, int64_t& out)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return false;
    out = v;
    return true;
}

bool parseUInt64(const std::string& text, uint64_t& out)
{
    if (text.empty() || text[0] == '-')
        return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long v = std::strtoull(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0')
        return false;
    out = v;
    return true;
}

bool isNumeric(uint8_t type)
{
    return type == TagInteger || type == TagCounter32 || type == TagGauge32 || type == TagTimeTicks;
}

bool isOctets(uint8_t type)
{
    return type == TagOctetString || type == TagOpaque;
}

enum RowStatusValue { RsActive = 1, RsNotInService = 2, RsNotReady = 3, RsCreateAndGo = 4,
                      RsCreateAndWait = 5, RsDestroy = 6 };

} // namespace

std::string oidToString(const Oid& oid)
{
    // One buffer, no stream: every request's varbinds are logged this way.
    std::string s(oid.size() * 11, '\0');
    char* out = s.data();
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i)
            *out++ = '.';
        out = std::to_chars(out, s.data() + s.size(), oid[i]).ptr;
    }
    s.resize(size_t(out - s.data()));
    return s;
}

bool parseOid(const std::string& text, Oid& out)
{
    out.clear();
    size_t i = 0;
    if (i < text.size() && text[i] == '.')
        ++i;
    if (i >= text.size())
        return false;
    while (i < text.size()) {
        size_t j = i;
        uint64_t v = 0;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') {
            v = v * 10 + uint64_t(text[j] - '0');
            if (v > 0xFFFFFFFFull)
                return false;
            ++j;
        }
        if (j == i)
            return false;
        out.push_back(uint32_t(v));
        if (j < text.size()) {
            if (text[j] != '.' || j + 1 >= text.size())
                return false;
            ++j;
        }
        i = j;
    }
    return out.size() <= 128;
}

bool oidStartsWith(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

bool Value::operator==(const Value& o) const
{
    if (type != o.type)
        return false;
    switch (type) {
    case TagOctetString: case TagOpaque: case TagIpAddress: return bytes == o.bytes;
    case TagObjectId: return oid == o.oid;
    case TagCounter64: return c64 == o.c64;
    case TagNull: return true;
    default: return num == o.num && uptime == o.uptime;
    }
}

bool tagFromName(const std::string& name, uint8_t& type, bool& hex)
{
    std::string n;
    for (char c : name)
        n += char(std::toupper(static_cast<unsigned char>(c)));
    hex = false;
    if (n == "INTEGER" || n == "INTEGER32" || n == "INT") type = TagInteger;
    else if (n == "STRING" || n == "OCTETSTR") type = TagOctetString;
    else if (n == "HEX") { type = TagOctetString; hex = true; }
    else if (n == "OID" || n == "OBJECTID") type = TagObjectId;
    else if (n == "IPADDRESS" || n == "IPADDR") type = TagIpAddress;
    else if (n == "COUNTER" || n == "COUNTER32") type = TagCounter32;
    else if (n == "GAUGE" || n == "GAUGE32" || n == "UNSIGNED" || n == "UNSIGNED32") type = TagGauge32;
    else if (n == "TIMETICKS") type = TagTimeTicks;
    else if (n == "COUNTER64") type = TagCounter64;
    else if (n == "OPAQUE") { type = TagOpaque; hex = true; }
    else if (n == "NULL") type = TagNull;
    else return false;
    return true;
}

std::string hexOf(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    for (unsigned char c : bytes) {
        s += digits[c >> 4];
        s += digits[c & 15];
    }
    return s;
}

bool parseHex(const std::string& text, std::string& out)
{
    out.clear();
    int half = -1;
    for (char c : text) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else if (c == ' ' || c == ':' || c == '\t') {
            if (half >= 0)
                return false;           // separators only between whole octets
            continue;
        } else
            return false;
        if (half < 0)
            half = d;
        else {
            out += char(half * 16 + d);
            half = -1;
        }
    }
    return half < 0;
}

std::string tagName(const Value& v)
{
    switch (v.type) {
    case TagInteger: return "INTEGER";
    case TagOctetString:
        for (unsigned char c : v.bytes)
            if (c < 0x20 || c > 0x7e)
                return "HEX";
        return "STRING";
    case TagObjectId: return "OID";
    case TagIpAddress: return "IPADDRESS";
    case TagCounter32: return "COUNTER";
    case TagGauge32: return "GAUGE";
    case TagTimeTicks: return "TIMETICKS";
    case TagCounter64: return "COUNTER64";
    case TagOpaque: return "OPAQUE";
    default: return "NULL";
    }
}

std::string valueText(const Value& v)
{
    switch (v.type) {
    case TagInteger: case TagCounter32: case TagGauge32: return std::to_string(v.num);
    case TagTimeTicks: return v.uptime ? "uptime" : std::to_string(v.num);
    case TagOctetString: return tagName(v) == "HEX" ? hexOf(v.bytes) : v.bytes;
    case TagOpaque: return hexOf(v.bytes);
    case TagObjectId: return oidToString(v.oid);
    case TagIpAddress: {
        std::string s;
        for (size_t i = 0; i < v.bytes.size(); ++i) {
            if (i)
                s += '.';
            s += std::to_string(static_cast<unsigned char>(v.bytes[i]));
        }
        return s;
    }
    case TagCounter64: return std::to_string(v.c64);
    default: return "";
    }
}

static bool unquote(const std::string& text, std::string& out)
{
    out.clear();
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return false;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        char c = text[i];
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i + 1 > text.size() - 1)
            return false;
        char e = text[i];
        switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'x': {
            if (i + 2 >= text.size())
                return false;
            std::string b;
            if (!parseHex(text.substr(i + 1, 2), b))
                return false;
            out += b;
            i += 2;
            break;
        }
        default: out += e; break;
        }
    }
    return true;
}

bool parseValue(const std::string& tag, const std::string& text, Value& out, std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    uint8_t type;
    bool hex;
    if (!tagFromName(tag, type, hex))
        return fail("unknown type " + tag);
    out = Value{};
    out.type = type;
    switch (type) {
    case TagInteger: {
        int64_t v;
        if (!parseInt64(text, v) || v < INT32_MIN || v > INT32_MAX)
            return fail("bad INTEGER " + text);
        out.num = v;
        return true;
    }
    case TagCounter32: case TagGauge32: case TagTimeTicks: {
        if (type == TagTimeTicks && text == "uptime") {
            out.uptime = true;
            return true;
        }
        uint64_t v;
        if (!parseUInt64(text, v) || v > 0xFFFFFFFFull)
            return fail("bad unsigned value " + text);
        out.num = int64_t(v);
        return true;
    }
    case TagCounter64:
        if (!parseUInt64(text, out.c64))
            return fail("bad COUNTER64 " + text);
        return true;
    case TagOctetString: case TagOpaque:
        if (hex) {
            if (!parseHex(text, out.bytes))
                return fail("bad hex " + text);
        } else if (!text.empty() && text.front() == '"') {
            if (!unquote(text, out.bytes))
                return fail("bad quoted string " + text);
        } else
            out.bytes = text;
        return true;
    case TagObjectId:
        if (!parseOid(text, out.oid))
            return fail("bad OID " + text);
        return true;
    case TagIpAddress: {
        Oid parts;
        if (!parseOid(text, parts) || parts.size() != 4 || text[0] == '.')
            return fail("bad IPADDRESS " + text);
        for (uint32_t p : parts) {
            if (p > 255)
                return fail("bad IPADDRESS " + text);
            out.bytes += char(p);
        }
        return true;
    }
    case TagNull:
        return true;
    }
    return fail("unsupported type " + tag);
}

bool parseAccess(const std::string& text, Access& out)
{
    if (text == "ro") out = Access::ReadOnly;
    else if (text == "rw") out = Access::ReadWrite;
    else if (text == "rc") out = Access::ReadCreate;
    else if (text == "na") out = Access::NotAccessible;
    else return false;
    return true;
}

// ---------------------------------------------------------------------------------------

size_t Store::removeSubtree(const Oid& prefix)
{
    forgetWalks();
    auto it = cells_.lower_bound(prefix);
    size_t n = 0;
    while (it != cells_.end() && oidStartsWith(it->first, prefix)) {
        it = cells_.erase(it);
        ++n;
    }
    return n;
}

size_t Store::removeRow(const Oid& entry, const Oid& index)
{
    forgetWalks();
    size_t n = 0;
    TableDef t;
    t.entry = entry;
    for (uint32_t col : rowColumns(t, index, {}))
        n += cells_.erase(concat(entry, col, index));
    return n;
}

const Cell* Store::find(const Oid& oid) const
{
    auto it = cells_.find(oid);
    if (it == cells_.end() || it->second.access == Access::NotAccessible)
        return nullptr;
    return &it->second;
}

const std::pair<const Oid, Cell>* Store::next(const Oid& oid, const Oid& limit) const
{
    auto it = cells_.end();
    for (size_t k = 0; k < walks_.count && it == cells_.end(); ++k)
        if (walks_.at[k]->first == oid)
            it = std::next(walks_.at[k]);
    if (it == cells_.end())
        it = cells_.upper_bound(oid);
    for (; it != cells_.end(); ++it) {
        if (!limit.empty() && !oidStartsWith(it->first, limit))
            return nullptr;
        if (it->second.access != Access::NotAccessible) {
            walks_.at[walks_.next] = it;
            walks_.next = (walks_.next + 1) % WalkPositions::Size;
            walks_.count = std::max(walks_.count, walks_.next == 0 ? WalkPositions::Size : walks_.next);
            return &*it;
        }
    }
    return nullptr;
}

TableDef& Store::table(const Oid& entry)
{
    TableDef& t = tables_[entry];
    t.entry = entry;
    return t;
}

std::optional<Store::RowRef> Store::rowOf(const Oid& oid) const
{
    if (tables_.empty() || oid.size() < 3)
        return std::nullopt;
    for (size_t len = oid.size() - 2; len >= 1; --len) {
        auto it = tables_.find(Oid(oid.begin(), oid.begin() + long(len)));
        if (it != tables_.end())
            return RowRef{&it->second, oid[len], Oid(oid.begin() + long(len) + 1, oid.end())};
    }
    return std::nullopt;
}

std::optional<std::pair<Oid, Value>> Store::endlessNext(const Oid& asked) const
{
    const auto* following = next(asked, {});
    // The last cell at or before asked: the row the walk stands on, or the column's last.
    auto at = cells_.upper_bound(asked);
    if (at != cells_.begin() && asked.size() >= 2) {
        --at;
        const Oid column(asked.begin(), asked.end() - 1);
        const bool inColumn = oidStartsWith(at->first, column) && at->first.size() == asked.size();
        if (inColumn && !(following && oidStartsWith(following->first, column))) {
            Oid row = asked;
            ++row.back();
            Value v = at->second.value;
            if (v.type == TagInteger && v.num == int64_t(at->first.back()))
                v.num = int64_t(row.back());
            return std::make_pair(row, v);
        }
    }
    if (!following)
        return std::nullopt;
    return std::make_pair(following->first, following->second.value);
}

const TableDef* Store::tableOf(const Oid& oid) const
{
    auto r = rowOf(oid);
    return r ? r->table : nullptr;
}

Oid Store::objectOf(const Oid& oid) const
{
    if (auto r = rowOf(oid))
        return concat(r->table->entry, r->column);
    return oid.empty() ? oid : Oid(oid.begin(), oid.end() - 1);
}

bool Store::knownObject(const Oid& oid) const
{
    if (oid.empty())
        return false;
    if (auto r = rowOf(oid)) {
        if (r->table->columns.count(r->column))
            return true;
    }
    Oid parent = objectOf(oid);
    auto it = cells_.upper_bound(parent);
    return it != cells_.end() && oidStartsWith(it->first, parent);
}

const Cell* Store::lookup(const Oid& oid, const SetPlan& overlay) const
{
    auto o = overlay.find(oid);
    if (o != overlay.end())
        return o->second ? &*o->second : nullptr;
    return find(oid);
}

std::set<uint32_t> Store::rowColumns(const TableDef& t, const Oid& index, const SetPlan& overlay) const
{
    std::set<uint32_t> cols;
    const size_t n = t.entry.size();
    auto it = cells_.lower_bound(concat(t.entry, 0));
    while (it != cells_.end() && oidStartsWith(it->first, t.entry) && it->first.size() > n) {
        uint32_t c = it->first[n];
        if (cells_.count(concat(t.entry, c, index)))
            cols.insert(c);
        if (c == UINT32_MAX)
            break;
        it = cells_.lower_bound(concat(t.entry, c + 1));
    }
    for (auto o = overlay.lower_bound(t.entry); o != overlay.end() && oidStartsWith(o->first, t.entry); ++o) {
        if (o->first.size() != n + 1 + index.size() || !std::equal(index.begin(), index.end(), o->first.begin() + long(n) + 1))
            continue;
        if (o->second)
            cols.insert(o->first[n]);
        else
            cols.erase(o->first[n]);
    }
    return cols;
}

int Store::checkConstraint(const Oid& oid, const Value& v) const
{
    if (v.type == TagIpAddress && v.bytes.size() != 4)
        return ErrWrongLength;
    auto it = constraints_.find(objectOf(oid));
    if (it == constraints_.end())
        return ErrNoError;
    const Constraint& c = it->second;
    if (isNumeric(v.type) && !c.ranges.empty()) {
        bool ok = std::any_of(c.ranges.begin(), c.ranges.end(),
                              [&](const auto& r) { return v.num >= r.first && v.num <= r.second; });
        if (!ok)
            return ErrWrongValue;
    }
    if (isOctets(v.type) && c.size && (v.bytes.size() < c.size->first || v.bytes.size() > c.size->second))
        return ErrWrongLength;
    return ErrNoError;
}

SetError Store::plan(const std::vector<SetVarbind>& varbinds, SetPlan& out) const
{
    out.clear();
    using RowKey = std::pair<const TableDef*, Oid>;
    struct Creation { int vb; int64_t how; };
    std::map<RowKey, Creation> creating;        // rows this PDU creates, by RowStatus / state column
    std::map<RowKey, int> activating;           // existing rows set to active, with the varbind

    // Rows that this PDU creates, whatever the order of their columns.
    for (size_t i = 0; i < varbinds.size(); ++i) {
        const SetVarbind& vb = varbinds[i];
        auto r = rowOf(vb.oid);
        if (!r || vb.value.type != TagInteger || r->index.empty())
            continue;
        const TableDef& t = *r->table;
        bool create = (t.rowStatusColumn && r->column == t.rowStatusColumn &&
                       (vb.value.num == RsCreateAndGo || vb.value.num == RsCreateAndWait)) ||
                      (t.stateColumn && r->column == t.stateColumn && vb.value.num != t.deleteValue);
        if (create && rowColumns(t, r->index, {}).empty() && !creating.count({&t, r->index}))
            creating[{&t, r->index}] = Creation{int(i) + 1, vb.value.num};
    }
    std::set<RowKey> populated;
    auto populate = [&](const TableDef& t, const Oid& index) {
        if (!populated.insert({&t, index}).second)
            return;
        for (const auto& [col, def] : t.columns)
            if (def.defaultValue)
                out[concat(t.entry, col, index)] = Cell{*def.defaultValue, def.access};
        // Each index column takes one arc, an IpAddress column four.
        size_t arc = 0;
        for (size_t k = 0; k < t.indexColumns.size() && arc < index.size(); ++k) {
            Value v;
            v.type = TagInteger;
            auto def = t.columns.find(t.indexColumns[k]);
            Access a = def != t.columns.end() ? def->second.access : Access::ReadOnly;
            if (def != t.columns.end())
                v.type = def->second.type;
            if (v.type == TagIpAddress) {
                if (arc + 4 > index.size())
                    break;
                for (size_t o = 0; o < 4; ++o)
                    v.bytes += static_cast<char>(index[arc + o] & 0xFF);
                arc += 4;
            } else {
                v.num = index[arc++];
            }
            out[concat(t.entry, t.indexColumns[k], index)] = Cell{v, a};
        }
    };
    auto destroy = [&](const TableDef& t, const Oid& index) {
        for (uint32_t col : rowColumns(t, index, out))
            out[concat(t.entry, col, index)] = std::nullopt;
    };

    for (size_t i = 0; i < varbinds.size(); ++i) {
        const SetVarbind& vb = varbinds[i];
        const int vbi = int(i) + 1;
        auto r = rowOf(vb.oid);
        const Cell* cell = lookup(vb.oid, out);
        if (r) {
            if (!cell && creating.count({r->table, r->index})) {
                populate(*r->table, r->index);
                cell = lookup(vb.oid, out);
            }
        }

        if (cell) {
            if (cell->access == Access::ReadOnly || cell->access == Access::NotAccessible)
                return {ErrNotWritable, vbi};
            if (vb.value.type != cell->value.type)
                return {ErrWrongType, vbi};
            if (int e = checkConstraint(vb.oid, vb.value))
                return {e, vbi};
            if (r && r->table->rowStatusColumn == r->column) {
                const TableDef& t = *r->table;
                RowKey key{&t, r->index};
                bool created = creating.count(key) > 0;
                switch (vb.value.num) {
                case RsActive:
                case RsNotInService:
                    if (created)
                        return {ErrInconsistentValue, vbi};
                    if (vb.value.num == RsActive)
                        activating[key] = vbi;
                    out[vb.oid] = Cell{vb.value, cell->access};
                    break;
                case RsCreateAndGo:
                case RsCreateAndWait:
                    if (!created || creating[key].vb != vbi)
                        return {ErrInconsistentValue, vbi};
                    break;          // the final state is decided once every column is in
                case RsDestroy:
                    destroy(t, r->index);
                    creating.erase(key);
                    activating.erase(key);
                    break;
                default:
                    return {ErrWrongValue, vbi};
                }
                continue;
            }
            if (r && r->table->stateColumn == r->column && vb.value.num == r->table->deleteValue) {
                destroy(*r->table, r->index);
                creating.erase({r->table, r->index});
                continue;
            }
            out[vb.oid] = Cell{vb.value, cell->access};
            continue;
        }

        // No such cell (yet).
        if (!r)
            return {ErrNoCreation, vbi};
        const TableDef& t = *r->table;
        RowKey key{&t, r->index};
        if (t.rowStatusColumn && r->column == t.rowStatusColumn) {
            if (vb.value.type != TagInteger)
                return {ErrWrongType, vbi};
            switch (vb.value.num) {
            case RsDestroy:
                continue;           // destroying a row that is not there changes nothing
            case RsCreateAndGo:
            case RsCreateAndWait:
                if (creating.count(key) && creating[key].vb == vbi) {
                    populate(t, r->index);
                    continue;
                }
                return {ErrInconsistentValue, vbi};
            case RsActive:
            case RsNotInService:
                return {ErrInconsistentValue, vbi};
            default:
                return {ErrWrongValue, vbi};
            }
        }
        if (t.stateColumn && r->column == t.stateColumn && vb.value.type == TagInteger &&
            vb.value.num == t.deleteValue)
            continue;               // deleting a row that is not there
        auto def = t.columns.find(r->column);
        if (def == t.columns.end())
            return {ErrNoCreation, vbi};
        if (def->second.access == Access::ReadOnly || def->second.access == Access::NotAccessible)
            return {ErrNotWritable, vbi};
        if (vb.value.type != def->second.type)
            return {ErrWrongType, vbi};
        if (int e = checkConstraint(vb.oid, vb.value))
            return {e, vbi};
        bool rowThere = !rowColumns(t, r->index, out).empty() || creating.count(key);
        if (!rowThere) {
            if (t.rowStatusColumn || t.stateColumn)
                return {ErrInconsistentName, vbi};
            return {ErrNoCreation, vbi};
        }
        if (def->second.access != Access::ReadCreate && !creating.count(key))
            return {ErrNoCreation, vbi};
        out[vb.oid] = Cell{vb.value, def->second.access};
    }

    auto complete = [&](const TableDef& t, const Oid& index) {
        std::set<uint32_t> cols = rowColumns(t, index, out);
        return std::all_of(t.required.begin(), t.required.end(), [&](uint32_t c) { return cols.count(c) > 0; });
    };
    for (const auto& [key, c] : creating) {
        const TableDef& t = *key.first;
        bool ok = complete(t, key.second);
        if (t.rowStatusColumn) {
            if (c.how == RsCreateAndGo && !ok)
                return {ErrInconsistentValue, c.vb};
            Value v;
            v.type = TagInteger;
            v.num = c.how == RsCreateAndGo ? RsActive : (ok ? RsNotInService : RsNotReady);
            auto def = t.columns.find(t.rowStatusColumn);
            out[concat(t.entry, t.rowStatusColumn, key.second)] =
                Cell{v, def != t.columns.end() ? def->second.access : Access::ReadCreate};
        } else if (!ok)
            return {ErrInconsistentValue, c.vb};
    }
    for (const auto& [key, vbi] : activating)
        if (!complete(*key.first, key.second))
            return {ErrInconsistentValue, vbi};
    return {};
}

UndoLog Store::apply(const SetPlan& plan)
{
    forgetWalks();
    UndoLog undo;
    for (const auto& [oid, cell] : plan) {
        auto it = cells_.find(oid);
        undo[oid] = it == cells_.end() ? std::nullopt : std::optional<Cell>(it->second);
        if (cell)
            cells_[oid] = *cell;
        else if (it != cells_.end())
            cells_.erase(it);
    }
    return undo;
}

void Store::undo(const UndoLog& log)
{
    forgetWalks();
    for (const auto& [oid, cell] : log) {
        if (cell)
            cells_[oid] = *cell;
        else
            cells_.erase(oid);
    }
}

} // namespace trqsim

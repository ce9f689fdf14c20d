#pragma once
// Profile files (format in sim/README.md) and the chassis they describe: module models,
// installed units, and the row templates that turn units and ports into table rows.
#include "sim/store.h"

#include <map>
#include <string>
#include <vector>

namespace trqsim {

using Vars = std::map<std::string, std::string>;

// "{expr}" substitution: a bare variable name gives its text, anything else is an integer
// expression (+ - * / % == != < > <= >= && || ! ?: and parentheses) over the variables.
bool expandTemplate(const std::string& text, const Vars& vars, std::string& out, std::string* error);
bool evalExpression(const std::string& expr, const Vars& vars, int64_t& out, std::string* error);

struct ModelDef {
    std::string name;
    int ports = 0;
    std::map<std::string, std::vector<std::string>> perPort;   // per-position variables
};

struct TemplateLine {
    uint32_t column = 0;
    std::string tag;
    Access access = Access::ReadOnly;
    std::string value;
    std::string where;        // file:line, for messages
};

struct RowTemplate {
    enum Kind { Rows, Units, Ports } kind = Rows;
    Oid entry;
    int64_t from = 0, to = 0;  // Rows only
    std::string index;         // index template; default {i}, {unit} or {port}
    std::string where;         // expression; rows where it is 0 are left out (empty: all)
    std::vector<TemplateLine> lines;
};

class Chassis {
public:
    std::map<std::string, ModelDef> models;
    std::map<int, std::string> units;             // unit id (1..8) -> model name
    std::vector<RowTemplate> unitTemplates, portTemplates;

    bool insertModule(Store& store, int unit, const std::string& model, std::string* error);
    bool removeModule(Store& store, int unit, std::string* error);
    // Exchanges the modules (with their LED octets) of two units; one of them may be empty.
    bool swapModules(Store& store, int unitA, int unitB, std::string* error);
    bool setLeds(Store& store, int unit, const std::string& octets, std::string* error);
    std::string leds(int unit) const;             // the unit's LED octets

    // Writes the rows of one template for one unit (all its ports for port templates).
    bool instantiate(Store& store, const RowTemplate& t, int unit, std::string* error);

    static int portNumber(int unit, int position) { return (unit - 1) * 64 + position; }

private:
    Vars unitVars(int unit) const;
    Vars portVars(int unit, int position) const;
    std::map<int, std::string> leds_;             // LED octets set at run time
};

struct Profile {
    Store store;
    Chassis chassis;
    std::vector<Oid> subtrees;                     // registered with the agent
};

bool loadProfile(const std::string& path, Profile& profile, std::string* error);

} // namespace trqsim

#pragma once
// The simulator's MIB store: an ordered map from OID to typed value, the table
// declarations that give sets their RowStatus / state-column semantics, value
// constraints, and whole-PDU set planning with an undo log.
// Free of net-snmp: the agent glue converts to and from its varbinds.
#include <cstdint>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace trqsim {

using Oid = std::vector<uint32_t>;

std::string oidToString(const Oid& oid);
bool parseOid(const std::string& text, Oid& out);            // "1.3.6" or ".1.3.6"
bool oidStartsWith(const Oid& oid, const Oid& prefix);

// SMI types, numbered as their BER tags.
enum Tag : uint8_t {
    TagInteger = 0x02,
    TagOctetString = 0x04,
    TagNull = 0x05,
    TagObjectId = 0x06,
    TagIpAddress = 0x40,
    TagCounter32 = 0x41,
    TagGauge32 = 0x42,
    TagTimeTicks = 0x43,
    TagOpaque = 0x44,
    TagCounter64 = 0x46,
};

// SNMP error-status values used by sets.
enum ErrStatus {
    ErrNoError = 0, ErrTooBig = 1, ErrNoSuchName = 2, ErrBadValue = 3, ErrReadOnly = 4, ErrGenErr = 5,
    ErrNoAccess = 6, ErrWrongType = 7, ErrWrongLength = 8, ErrWrongEncoding = 9, ErrWrongValue = 10,
    ErrNoCreation = 11, ErrInconsistentValue = 12, ErrResourceUnavailable = 13, ErrCommitFailed = 14,
    ErrUndoFailed = 15, ErrAuthorizationError = 16, ErrNotWritable = 17, ErrInconsistentName = 18,
};

enum class Access { NotAccessible, ReadOnly, ReadWrite, ReadCreate };

struct Value {
    uint8_t type = TagNull;
    int64_t num = 0;          // INTEGER (signed) and the unsigned 32-bit types
    uint64_t c64 = 0;         // Counter64
    std::string bytes;        // OCTET STRING, Opaque, IpAddress (4 octets)
    Oid oid;                  // OBJECT IDENTIFIER
    bool uptime = false;      // TimeTicks that report the agent's uptime

    bool operator==(const Value& o) const;
};

struct Cell {
    Value value;
    Access access = Access::ReadOnly;
};

// Text forms shared by the profile, the control channel and the PDU log.
// Tags: INTEGER STRING HEX OID IPADDRESS COUNTER GAUGE UNSIGNED TIMETICKS COUNTER64 OPAQUE NULL.
bool tagFromName(const std::string& name, uint8_t& type, bool& hex);
std::string tagName(const Value& v);            // STRING for printable octets, else HEX
bool parseValue(const std::string& tag, const std::string& text, Value& out, std::string* error);
std::string valueText(const Value& v);          // inverse of parseValue for tagName(v)
bool parseAccess(const std::string& text, Access& out);
std::string hexOf(const std::string& bytes);
bool parseHex(const std::string& text, std::string& out);

struct ColumnDef {
    uint8_t type = TagInteger;
    Access access = Access::ReadCreate;
    std::optional<Value> defaultValue;
};

struct TableDef {
    Oid entry;                          // table entry OID; cells are entry.column.index
    uint32_t rowStatusColumn = 0;       // 0: none
    uint32_t stateColumn = 0;           // 0: none
    int64_t deleteValue = 2;            // state column value that deletes the row
    std::map<uint32_t, ColumnDef> columns;
    std::vector<uint32_t> required;     // columns a row needs before it may be active
    std::vector<uint32_t> indexColumns; // column k holds index arc k (integer indexes)
};

struct Constraint {
    std::vector<std::pair<int64_t, int64_t>> ranges;   // allowed numbers (empty: any)
    std::optional<std::pair<size_t, size_t>> size;     // allowed octet-string sizes
};

struct SetVarbind {
    Oid oid;
    Value value;
};

struct SetError {
    int status = ErrNoError;
    int index = 0;                      // 1-based varbind index, 0 with no error
};

// The effect of one set PDU: for each touched OID its new cell, or nothing (removed).
using SetPlan = std::map<Oid, std::optional<Cell>>;
using UndoLog = std::map<Oid, std::optional<Cell>>;

class Store {
public:
    void put(const Oid& oid, const Cell& cell) { cells_[oid] = cell; }
    bool remove(const Oid& oid)
    {
        forgetWalks();
        return cells_.erase(oid) > 0;
    }
    size_t removeSubtree(const Oid& prefix);
    size_t removeRow(const Oid& entry, const Oid& index);   // every column of one row
    const Cell* find(const Oid& oid) const;
    // The first cell after oid whose OID lies under limit (empty limit: anywhere).
    const std::pair<const Oid, Cell>* next(const Oid& oid, const Oid& limit) const;
    // What a get-next of asked finds from an agent that never ends a column (the fault
    // "endless"): the next cell as usual while the asked row's column goes on; past its
    // last row one more row, the instance's last arc one higher, with the value of the
    // column's last cell (an integer that equals its row's last arc follows the arc).
    // Nothing when the store has no cell after asked. The store itself is not changed.
    std::optional<std::pair<Oid, Value>> endlessNext(const Oid& asked) const;
    // noSuchInstance (true) or noSuchObject (false) for a missing OID.
    bool knownObject(const Oid& oid) const;
    size_t size() const { return cells_.size(); }
    const std::map<Oid, Cell>& cells() const { return cells_; }

    TableDef& table(const Oid& entry);                 // declares it when new
    const TableDef* tableOf(const Oid& oid) const;     // table whose cells include oid
    void setConstraint(const Oid& object, const Constraint& c) { constraints_[object] = c; }
    // The object's allowed numbers and sizes (column or scalar OID), or null.
    const Constraint* constraint(const Oid& object) const
    {
        const auto it = constraints_.find(object);
        return it == constraints_.end() ? nullptr : &it->second;
    }

    // Whole-PDU validation: the plan of every change, or the first error in varbind order.
    SetError plan(const std::vector<SetVarbind>& varbinds, SetPlan& out) const;
    UndoLog apply(const SetPlan& plan);
    void undo(const UndoLog& log);

private:
    struct RowRef { const TableDef* table; uint32_t column; Oid index; };
    std::optional<RowRef> rowOf(const Oid& oid) const;
    Oid objectOf(const Oid& oid) const;
    std::set<uint32_t> rowColumns(const TableDef& t, const Oid& index, const SetPlan& overlay) const;
    const Cell* lookup(const Oid& oid, const SetPlan& overlay) const;
    int checkConstraint(const Oid& oid, const Value& v) const;

    // A walk asks next() for the OID it was given last: the cells last returned are kept,
    // so that the following one is found without a search. Erasing cells forgets them (an
    // insertion keeps every position valid), and so does a copy or a move of the store:
    // positions belong to the map they were taken in.
    struct WalkPositions {
        static constexpr size_t Size = 16;
        std::array<std::map<Oid, Cell>::const_iterator, Size> at{};
        size_t count = 0;
        size_t next = 0;
        WalkPositions() = default;
        WalkPositions(const WalkPositions&) {}
        WalkPositions& operator=(const WalkPositions&)
        {
            count = next = 0;
            return *this;
        }
    };
    void forgetWalks() const { walks_ = WalkPositions(); }

    std::map<Oid, Cell> cells_;
    mutable WalkPositions walks_;
    std::map<Oid, TableDef> tables_;
    std::map<Oid, Constraint> constraints_;
};

} // namespace trqsim

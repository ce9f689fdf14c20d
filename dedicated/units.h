#pragma once
// The chassis's installed units as the port-list windows see them, and the unit/port
// entry that turns a unit and a port position into a port number.
//
// Port numbers are (unit - 1) * 64 + position, positions counted from 1; units 1 to 8 are
// the line cards, unit 9 the CPU module.
#include <string>
#include <vector>

class QLineEdit;

// Port positions per unit; units 1 to 9 (9: the CPU module).
inline constexpr int PortsPerUnit = 64;
inline constexpr int ChassisUnits = 9;

// One row of the main window's unit list.
struct TUnitRecord {
    std::string IdText;    // the unit id as the list shows it
    int Unit = -1;         // the id as a number; -1 when it is none
    int StartPort = 0;     // the unit's first port number
    std::string Module;    // the module's model name
    int PortCount = 0;     // GetModulePortCount(Module)
};

// The installed units, from the main window's unit list (configwin/unitlist.h). A chassis
// read under way is waited for first (by running the message loop); when the list is
// then empty, the main window's unit request reads it, and the call returns once that
// read has ended. False when that read failed, with the main window's text of the failure
// in *error; units then holds the rows there are.
bool ReadChassisUnits(std::vector<TUnitRecord>& units, std::string* error = nullptr);

// ---- Unit/port entry ----

// What a unit listed with no ports of its own accepts: 24 ports, like a unit that is not
// listed at all, or none.
enum class TPortlessUnit { Accepts24, AcceptsNone };

// The number of ports the entry accepts on the unit: the unit's port count; 24 for a unit
// that is not in the list; for a listed unit with no ports, as the policy says.
int EntryPortCount(const std::vector<TUnitRecord>& units, int unit, TPortlessUnit policy);

// What is wrong with a unit and port entry.
enum class TUnitPortError { None, Unit, Port };

// The port number of the unit and port texts: Unit when the unit text is no number or
// lies outside 1 to 9, Port when the port text is no number or lies outside 1 to
// EntryPortCount. number is set only when the entry is good.
TUnitPortError UnitPortToNumber(const std::string& unitText, const std::string& portText,
                                const std::vector<TUnitRecord>& units, TPortlessUnit policy, int& number);
// The unit and position of a port number; 0 and 0 for a number below 1.
void NumberToUnitPort(int number, int& unit, int& port);

// Lets the edit take digits only: any other character the user types is dropped with a
// beep (editing keys, Tab and Backspace included, keep working).
void AcceptDigitsOnly(QLineEdit* edit);

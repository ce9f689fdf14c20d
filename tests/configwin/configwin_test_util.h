#pragma once
// Shared by the generic-window tests: a private simulator on the test profile, the library
// started once with its defaults aimed at it (so requests built the way a menu handler
// builds them talk to it), the descriptor tables of the test objects, and helpers to
// wait, to act inside modal windows and to read the simulator's PDU log.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "simlibrary.h"
#include "snmplib/varlist.h"

class QDialog;
class QPlainTextEdit;
class QWidget;

namespace cwtest {

trqtest::SimProcess& sim();

using trqtest::waitUntil;
inline void pump(int milliseconds = 50) { trqtest::pump(milliseconds); }

// Calls action with the visible top-level window of that object name as soon as it is
// shown (from the message loop; for modal windows opened by a click).
void whenShown(const QString& objectName, std::function<void(QDialog*)> action);

// The memo's lines.
QStringList memoLines(const QPlainTextEdit* memo);

// The sets in the simulator's PDU log since it was last cleared, and the reads.
std::vector<trqtest::PduLogEntry> sets();
std::vector<trqtest::PduLogEntry> reads();

// Scalar group 99.7: Integer (rw), Text (rw), Counter (ro).
extern const VhSNMPObjectDesc ScalarGroup[];
// Integer (rw) and Counter (ro): one writable variable.
extern const VhSNMPObjectDesc OneWritableGroup[];
// Counter and Ticks: nothing writable.
extern const VhSNMPObjectDesc ReadOnlyGroup[];
constexpr const char* ScalarBase = "1.3.6.1.4.1.32473.99.7";

// RowStatus table 99.2.1 (rows 1 and 2): Index (key), Name, Value, Address, Status.
extern const VhSNMPObjectDesc RowStatusTable[];
constexpr const char* RowStatusEntry = "1.3.6.1.4.1.32473.99.2.1";
enum RowStatusColumn { rIndex, rName, rValue, rAddress, rStatus };
// State-column table 99.3.1 (rows 1..3): Index (key), Mac, Port, State ("valid" 3,
// "invalid" 2).
extern const VhSNMPObjectDesc StateTable[];
constexpr const char* StateEntry = "1.3.6.1.4.1.32473.99.3.1";
enum StateColumn { sIndex, sMac, sPort, sState };

// Puts a row of the RowStatus table back as the profile has it; removes a row.
void restoreRowStatusRow(int i);
void removeRowStatusRow(int i);
void removeStateRow(int i);

} // namespace cwtest

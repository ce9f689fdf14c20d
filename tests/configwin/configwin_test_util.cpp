#include "configwin_test_util.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdlib>
#include <memory>

#include "configwin/optionlists.h"
#include "snmplib/defaults.h"
#include "simlibrary.h"

namespace cwtest {

namespace {

[[maybe_unused]] const bool g_environment = trqtest::UseSimulatorWithLibrary(
    [] { return trqtest::SimOptions{"test.profile", "", {}}; }, trqtest::AimDefaultsAt);

constexpr unsigned RW = SNMP_ACCESS_READWRITE;
constexpr unsigned RO = SNMP_ACCESS_READONLY;

std::vector<trqtest::PduLogEntry> ofType(bool set)
{
    std::vector<trqtest::PduLogEntry> out;
    for (auto& e : sim().pduLog())
        if ((e.type == "set") == set)
            out.push_back(e);
    return out;
}

} // namespace

const VhSNMPObjectDesc ScalarGroup[] = {
    {"1.3.6.1.4.1.32473.99.7.1", "Integer", SNMP_SYNTAX_INTEGER, RW},
    {"1.3.6.1.4.1.32473.99.7.2", "Text", SNMP_SYNTAX_DISPLAYSTR, RW},
    {"1.3.6.1.4.1.32473.99.7.6", "Counter", SNMP_SYNTAX_COUNTER, RO},
    {nullptr},
};

const VhSNMPObjectDesc OneWritableGroup[] = {
    {"1.3.6.1.4.1.32473.99.7.1", "Integer", SNMP_SYNTAX_INTEGER, RW},
    {"1.3.6.1.4.1.32473.99.7.6", "Counter", SNMP_SYNTAX_COUNTER, RO},
    {nullptr},
};

const VhSNMPObjectDesc ReadOnlyGroup[] = {
    {"1.3.6.1.4.1.32473.99.7.6", "Counter", SNMP_SYNTAX_COUNTER, RO},
    {"1.3.6.1.4.1.32473.99.7.8", "Ticks", SNMP_SYNTAX_TIMETICKS, RO},
    {nullptr},
};

const VhSNMPObjectDesc RowStatusTable[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", SNMP_SYNTAX_INTEGER, RO},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, RW},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Value", SNMP_SYNTAX_INTEGER, RW},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Address", SNMP_SYNTAX_IPADDRESS, RW},
    {"1.3.6.1.4.1.32473.99.2.1.5", "Status", SNMP_SYNTAX_INTEGER, RW, &RowStatusList},
    {nullptr},
};

const VhSNMPObjectDesc StateTable[] = {
    {"1.3.6.1.4.1.32473.99.3.1.1", "Index", SNMP_SYNTAX_INTEGER, RO},
    {"1.3.6.1.4.1.32473.99.3.1.2", "Mac", SNMP_SYNTAX_MACADDRESS, RW},
    {"1.3.6.1.4.1.32473.99.3.1.3", "Port", SNMP_SYNTAX_INTEGER, RW},
    {"1.3.6.1.4.1.32473.99.3.1.4", "State", SNMP_SYNTAX_INTEGER, RW, &InvalidValidList},
    {nullptr},
};

trqtest::SimProcess& sim() { return trqtest::LibrarySim(); }



void whenShown(const QString& objectName, std::function<void(QDialog*)> action)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, objectName, action] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (dialog && dialog->objectName() == objectName && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                action(dialog);
                return;
            }
        }
    });
    timer->start();
}

QStringList memoLines(const QPlainTextEdit* memo)
{
    QStringList lines = memo->toPlainText().split('\n');
    if (lines.size() == 1 && lines[0].isEmpty())
        lines.clear();
    return lines;
}

std::vector<trqtest::PduLogEntry> sets() { return ofType(true); }
std::vector<trqtest::PduLogEntry> reads() { return ofType(false); }

namespace {

void removeRow(const char* entry, int columns, int i)
{
    for (int c = 1; c <= columns; ++c)
        sim().removeValue(std::string(entry) + "." + std::to_string(c) + "." + std::to_string(i));
}

// Sets the cells of row i, one "TAG VALUE" per column from column 1 on.
void setRow(const char* entry, int i, const std::vector<std::pair<const char*, std::string>>& cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c)
        sim().setValue(std::string(entry) + "." + std::to_string(c + 1) + "." + std::to_string(i), cells[c].first,
                       cells[c].second);
}

} // namespace

void removeRowStatusRow(int i) { removeRow(RowStatusEntry, 5, i); }
void removeStateRow(int i) { removeRow(StateEntry, 4, i); }

void restoreRowStatusRow(int i)
{
    const std::string n = std::to_string(i);
    setRow(RowStatusEntry, i,
           {{"INTEGER", n}, {"STRING", "\"entry " + n + "\""}, {"INTEGER", std::to_string(i * 10)},
            {"IPADDRESS", "10.0.0." + n}, {"INTEGER", "1"}});
}

} // namespace cwtest

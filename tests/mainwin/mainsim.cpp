#include "mainsim.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <memory>

#include "configwin/configform.h"
#include "configwin/msgpanel.h"
#include "configwin/snmppanel.h"
#include "fixture.h"
#include "mainwin/catalogue.h"
#include "mainwin/mainunit.h"
#include "mainwin/startup.h"
#include "platform/events.h"
#include "platform/popupmenu.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/textforms.h"
#include "snmplib/varlist.h"

namespace mainsim {

namespace {

std::unique_ptr<trqtest::SimProcess> g_sim;
std::unique_ptr<TMainForm> g_form;

class MainWindowEnvironment : public ::testing::Environment {
public:
    explicit MainWindowEnvironment(std::string profile) : profile_(std::move(profile)) {}

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const std::string root = dir_.path().toStdString() + "/";
        ASSERT_EQ(chdir(root.c_str()), 0);
        setenv("TRQ3100_REGISTRY", (root + "registry.ini").c_str(), 1);
        std::filesystem::create_directories(root + "bin");
        SetExecutableFolder(root + "bin/");

        g_sim = std::make_unique<trqtest::SimProcess>(trqtest::SimOptions{profile_, "", {}});
        std::string error;
        ASSERT_TRUE(g_sim->start(&error)) << error;
        // SNMPv2c on the simulator's port, as the host platform would start the program.
        std::ofstream(root + "127.0.0.1.cfg", std::ios::binary)
            << settingsFile({{"AgentPort", std::to_string(g_sim->port()).c_str()},
                             {"Version", "1"},
                             {"SecurityModel", "3"},
                             {"SecurityLevel", "-1"},
                             {"AuthProtocol", "-1"},
                             {"PrivProtocol", "-1"}});
        g_form.reset(TMainForm::Create({"/I127.0.0.1", "/Rmardle", "/Wquillon"}));
        ASSERT_NE(g_form->MainRequest, nullptr);
    }
    void TearDown() override
    {
        g_form.reset();
        g_sim.reset();
        SetExecutableFolder("");
        unsetenv("TRQ3100_REGISTRY");
    }

private:
    std::string profile_;
    QTemporaryDir dir_;
};

} // namespace

bool UseMainWindowOnSimulator(const std::string& profile)
{
    ::testing::AddGlobalTestEnvironment(new MainWindowEnvironment(profile));
    return true;
}

TMainForm& mainForm() { return *g_form; }
trqtest::SimProcess& sim() { return *g_sim; }

bool waitUntil(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

bool withModal(QAction* item, const std::function<void(QDialog*)>& inside,
               const std::function<bool(QDialog*)>& ready)
{
    if (!item)
        return false;
    bool opened = false;
    QElapsedTimer clock;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || opened)
            return;
        if (!clock.isValid())
            clock.start();
        const bool isReady = ready ? ready(window)
                                   : (!qobject_cast<TConfigForm*>(window) || firstReadDone(qobject_cast<TConfigForm*>(window)));
        if (!isReady && clock.elapsed() < 20000)
            return;
        opened = true;
        watch.stop();
        const QPointer<QDialog> guard(window);
        inside(window);
        if (guard && guard->isVisible())
            guard->close();
    });
    watch.start();
    item->trigger();
    return opened;
}

bool withModal(const std::string& menuItem, const std::function<void(QDialog*)>& inside,
               const std::function<bool(QDialog*)>& ready)
{
    return withModal(mainForm().MenuItem(menuItem), inside, ready);
}

QPlainTextEdit* memoOf(TConfigForm* form)
{
    TMsgPanel* messages = form && form->Panel() ? form->Panel()->MessagePanel() : nullptr;
    return messages ? messages->Memo : nullptr;
}

std::vector<std::string> memoLines(TConfigForm* form)
{
    std::vector<std::string> lines;
    if (QPlainTextEdit* memo = memoOf(form))
        for (const QString& line : memo->toPlainText().split('\n', Qt::SkipEmptyParts))
            lines.push_back(line.toStdString());
    return lines;
}

bool firstReadDone(TConfigForm* form)
{
    for (const VhSNMPRequest2Edits* request : form->Requests)
        if (request->Busy)
            return false;
    return !form->Requests.empty() && memoLines(form).size() >= form->Requests.size();
}

StandInPortButton::StandInPortButton(int port)
{
    TMainForm& form = mainForm();
    Button = new QPushButton(QString::number(port), &form);
    Button->setCheckable(true);
    SetTag(Button, port);
    form.PortButtons->append(Button);
    form.PortInfoPopupMenu->PopupComponent = Button;
}

StandInPortButton::~StandInPortButton()
{
    mainForm().PortButtons->removeAll(Button);
    delete Button;
}

std::string ShownText(const TCatalogueRecord& record, int item, const trqtest::PduLogEntry::Varbind& served)
{
    const VhSNMPObjectDesc& object = record.Objects[item];
    if (object.Options)
        return object.Options->ValueToText(served.value);
    switch (object.Syntax) {
    case SNMP_SYNTAX_DISPLAYSTR:
        return served.value;
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_MACADDRESS:
        // The simulator names printable octets STRING and gives the others as hex.
        return served.type == "STRING" ? HexText(served.value) : HexText(HexToOctets(served.value));
    case SNMP_SYNTAX_TIMETICKS:
        return TimeTicksText(static_cast<uint32_t>(std::stoul(served.value)));
    default:
        return served.value;
    }
}

} // namespace mainsim

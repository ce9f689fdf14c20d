// The main window: start-up through its constructor, the menu tree, status bar panel 0,
// the poll interval, and the About window.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "classlib/dialogs.h"
#include "classlib/speedbutton.h"
#include "fixture.h"
#include "mainwin/about.h"
#include "mainwin/mainunit.h"
#include "mainwin/menutable.h"
#include "platform/exception.h"
#include "snmplib/snmperror.h"
#include "support/screenshot.h"

namespace {

class MainWindow : public StartupWorld {
protected:
    void TearDown() override
    {
        form.reset();
        StartupWorld::TearDown();
    }
    TMainForm* start(const std::vector<std::string>& args)
    {
        form.reset(createMainForm(args));
        return form.get();
    }
    std::unique_ptr<TMainForm> form;
};

// Runs action once the next modal loop is running.
void whenModal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

// One menu entry as built: its depth-first path of names.
struct BuiltItem {
    QAction* action;
    int level;
};

void collect(const QList<QAction*>& actions, int level, std::vector<BuiltItem>& out)
{
    for (QAction* action : actions) {
        out.push_back({action, level});
        if (QMenu* sub = action->menu())
            collect(sub->actions(), level + 1, out);
    }
}

TEST_F(MainWindow, MenuTreeIsBuiltFromTheTable)
{
    TMainForm* f = start({"/I10.1.1.7"});
    std::vector<BuiltItem> built;
    collect(f->menuBar()->actions(), 0, built);

    int handlers = 0, submenus = 0, rows = 0;
    for (const TMenuItemDef* def = MainMenuItems; def->Name; ++def, ++rows) {
        ASSERT_LT(rows, static_cast<int>(built.size()));
        const BuiltItem& item = built[rows];
        EXPECT_EQ(item.action->objectName().toStdString(), def->Name);
        EXPECT_EQ(item.action->text().toStdString(), def->Caption) << def->Name;
        EXPECT_EQ(item.level, def->Level) << def->Name;
        handlers += def->Kind != 0;
        submenus += item.action->menu() != nullptr;
    }
    EXPECT_EQ(rows, static_cast<int>(built.size()));

    std::vector<BuiltItem> popup;
    collect(f->PortInfoPopupMenu->actions(), 0, popup);
    ASSERT_EQ(popup.size(), 2u);
    EXPECT_EQ(popup[0].action->objectName(), "PortInformation2");
    EXPECT_EQ(popup[1].action->text(), "Port Configuration");
    handlers += 2;
    EXPECT_EQ(handlers, 216);
    EXPECT_EQ(submenus, 55);

    // Places, captions with their blanks, and hidden items, as the module's menu has them.
    const auto parentCaption = [f](const char* name) {
        QAction* action = f->MenuItem(name);
        auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
        return menu ? menu->title().toStdString() : std::string("?");
    };
    EXPECT_EQ(parentCaption("mmi8021dPortTable"), "802.1d ");
    EXPECT_EQ(parentCaption("mmiSTPCtrl"), "Spanning Tree");
    EXPECT_EQ(f->MenuItem("mmiSTPCtrl")->text(), "STP Control ");
    EXPECT_EQ(f->MenuItem("StatisticTable1")->text(), "EAPOL  Frames Statistic Table");
    EXPECT_EQ(parentCaption("PIMNeighbor1"), "PIM Information");
    EXPECT_EQ(f->MenuItem("PIMNeighbor1")->parent()->objectName(), "PIM2Menu");
    EXPECT_EQ(parentCaption("mmisnmp_Config"), "SNMP V3");
    QStringList top;
    for (QAction* a : f->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top.join('|'), "Basic Configuration|RMON|Bridge|VLAN|SNMP V3|Security Management|"
                             "Layer 2 Management|Layer 3 Management|Single IP|Help");
    for (const char* hidden : {"MoudleBasicConfig", "PowerTable1", "TrapManagement2", "DualImageInformation1",
                               "StaticTable1", "GMRP1", "LearningConstraintTable", "ServiceTable1", "Test"})
        EXPECT_FALSE(f->MenuItem(hidden)->isVisible()) << hidden;
    EXPECT_TRUE(f->MenuItem("About1")->isVisible());
}

TEST_F(MainWindow, StartupHidesSettingsEntryAndSetsSpanningTreeMode)
{
    TMainForm* f = start({"/I10.1.1.7"});
    EXPECT_EQ(PlatformKind, PLATFORM_OPENVIEW);
    const auto visible = [&f](const char* name) { return f->MenuItem(name)->isVisible(); };
    EXPECT_FALSE(visible("mmisnmp_Config"));
    const char* mstp[] = {"mmiCfgID", "mmiInstInf", "mmiMSTPPortStaInf", "mmiMSTPPortInf"};
    EXPECT_TRUE(visible("mmiSTPCtrl"));
    EXPECT_FALSE(visible("mmiSTPPortTbl"));
    EXPECT_FALSE(visible("mmi8021dPortTable"));
    for (const char* name : mstp)
        EXPECT_TRUE(visible(name)) << name;

    f->SetStpMenuMode(1);
    f->Set8021dPortMenu(1);
    EXPECT_TRUE(visible("mmiSTPCtrl"));
    EXPECT_TRUE(visible("mmiSTPPortTbl"));
    EXPECT_TRUE(visible("mmi8021dPortTable"));
    for (const char* name : mstp)
        EXPECT_FALSE(visible(name)) << name;

    // Under Pelmora too.
    form.reset();
    writeFile("host/varnholt_ems/TRQ3100.dat", "");
    setExeFolder("host/varnholt_ems/TRQ3100/");
    f = start({"/I10.1.1.7"});
    EXPECT_EQ(PlatformKind, PLATFORM_PELMORA);
    EXPECT_FALSE(visible("mmisnmp_Config"));
}

TEST_F(MainWindow, OpensWithCaptionClientAreaAndMenu)
{
    TMainForm* f = start({"/I10.1.1.7", "/Rpublic", "/Wprivate", "/v1"});
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f));
    EXPECT_EQ(f->windowTitle(), "10.1.1.7");
    EXPECT_EQ(f->DeviceAddress, "10.1.1.7");
    EXPECT_EQ(f->ReadCommunity, "public");
    EXPECT_EQ(f->Version, "1");
    EXPECT_EQ(VhSNMPDefaults.Device.Address, "10.1.1.7");
    EXPECT_EQ(VhSNMPDefaults.Security.Version, 1);
    // The client area under the menu bar.
    EXPECT_EQ(f->width(), 790);
    EXPECT_EQ(f->centralWidget()->height() + f->statusBar()->height(), 555);
    EXPECT_EQ(f->centralWidget()->y(), f->menuBar()->height());
    // The ten menus fit in one row.
    for (QAction* menu : f->menuBar()->actions()) {
        const QRect place = f->menuBar()->actionGeometry(menu);
        EXPECT_TRUE(place.isValid() && place.right() < f->menuBar()->width() - 16) << menu->text().toStdString();
    }
    EXPECT_EQ(f->Chassis->ModuleTypeNames[0], "TRQ-3111");
    EXPECT_EQ(f->Chassis->ModuleTypeNames[10], "TRQ-3122");
    EXPECT_TRUE(f->Chassis->FirstChassisBuild);
    EXPECT_TRUE(f->Timer1->isActive());
    EXPECT_FALSE(f->StartupStopped());
    trqtest::saveScreenshot(f, "mainwin_main_window");
    EXPECT_EQ(trqtest::clippedLabels(f), "");
}

class FailingChassis : public TMainForm {
public:
    using TMainForm::TMainForm;

protected:
    void InitChassis() override { throw Exception("Get Ports Information Failed", -405); }
};

TEST_F(MainWindow, StartupFailureShowsInStatusBarAndWindowOpens)
{
    form = std::make_unique<FailingChassis>(nullptr, std::vector<std::string>{"/I10.1.1.7"});
    form->FormCreate();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->StatusText(), "Get Ports Information Failed");
    EXPECT_EQ(form->statusBar()->findChild<QLabel*>("StatusBarPanel0")->text(), "Get Ports Information Failed");
    EXPECT_TRUE(form->isVisible());
    trqtest::saveScreenshot(form.get(), "mainwin_startup_failure");
    EXPECT_EQ(trqtest::clippedLabels(form.get()), "");
}

TEST_F(MainWindow, NoParameterEndsBeforeAnythingIsRead)
{
    MessageRecorder boxes;
    TMainForm* f = start({});
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, "No parameter input");
    EXPECT_TRUE(f->StartupStopped());
    EXPECT_FALSE(f->Timer1->isActive());
    EXPECT_EQ(f->MainRequest, nullptr);
    EXPECT_EQ(f->windowTitle(), "MainForm"); // no argument: the caption stays
}

TEST_F(MainWindow, BadOrMissingAddressIsRefusedAndNothingIsRead)
{
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"/I../../etc/x", "/Rpublic"}, "Invalid device address: \"../../etc/x\""},
        {{"/I999.1.1.1"}, "Invalid device address: \"999.1.1.1\""},
        {{"/I", "/Rpublic"}, "Invalid device address: \"\" (the /I option is empty)"},
        {{"/Rpublic", "/Wprivate", "/v1"}, MSG_NO_ADDRESS},
    };
    for (const auto& c : cases) {
        form.reset();
        MessageRecorder boxes;
        TMainForm* f = start(c.args);
        ASSERT_EQ(boxes.Shown.size(), 1u) << c.message;
        EXPECT_EQ(boxes.Shown[0].text, c.message);
        EXPECT_TRUE(f->StartupStopped()) << c.message;
        EXPECT_FALSE(f->Timer1->isActive()) << c.message;
        EXPECT_EQ(f->MainRequest, nullptr) << c.message;
        EXPECT_EQ(VhSNMPDefaults.Device.Address, "127.0.0.1") << c.message;
    }
}

TEST_F(MainWindow, ConversionErrorLeavesTheConstructor)
{
    EXPECT_THROW(start({"/I10.1.1.7", "/vx"}), EConvertError);
    EXPECT_EQ(MainForm, nullptr);
}

TEST_F(MainWindow, PollIntervalDoublesAtAuthPriv)
{
    const struct {
        std::vector<std::string> args;
        const char* file; // SecurityLevel index in the settings file, or null
        int interval;
    } cases[] = {
        {{"/I10.1.1.7", "/v3", "/l3"}, nullptr, 60000},
        {{"/I10.1.1.7", "/v3", "/l2"}, nullptr, 30000},
        {{"/I10.1.1.7", "/l3"}, nullptr, 30000}, // no SNMPv3: ignored
        {{"/I10.1.1.7", "/Rpublic"}, "2", 60000},
        {{"/I10.1.1.7", "/Rpublic"}, "1", 30000},
    };
    for (const auto& c : cases) {
        form.reset();
        if (c.file)
            writeFile("10.1.1.7.cfg", settingsFile({{"AgentPort", "161"}, {"Version", "3"}, {"SecurityModel", "3"},
                                                    {"SecurityLevel", c.file}, {"AuthProtocol", "0"},
                                                    {"PrivProtocol", "0"}}));
        else
            std::remove(path("10.1.1.7.cfg").c_str());
        EXPECT_EQ(start(c.args)->Timer1->interval(), c.interval) << c.args.back() << (c.file ? c.file : "");
    }
}

TEST_F(MainWindow, MessageFilesAreLoadedFromTheRegistryHelpPath)
{
    writeFile("help/errmsg/vhsnmp.err", "Alles gut\n");
    writeRegistry("[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.61.1=" + path("help/") +
                  "module12.hlp\n");
    start({"/I10.1.1.7"});
    EXPECT_EQ(VhSnmpMsgTable.Text(0), "Alles gut");
}

TEST_F(MainWindow, AboutShowsBuildLabelOnShiftAltF3)
{
    TMainForm* f = start({"/I10.1.1.7"});
    f->show();
    struct Seen {
        bool open = false, hiddenAtStart = false, focus = false;
        std::vector<std::pair<const char*, bool>> after;
        QString caption, version, whole;
        QSize size;
    } seen;
    whenModal([&] {
        TAboutForm* about = AboutForm;
        ASSERT_NE(about, nullptr);
        seen.open = true;
        seen.caption = about->windowTitle();
        seen.size = about->size();
        seen.version = about->VersionLabel->text();
        seen.whole = about->LabelWholeVersion->text();
        seen.hiddenAtStart = about->LabelWholeVersion->isHidden();
        seen.focus = about->BT_Ok->hasFocus() || QApplication::focusWidget() == about->BT_Ok ||
                     about->focusWidget() == about->BT_Ok;
        const struct {
            const char* label;
            Qt::KeyboardModifiers mods;
            Qt::Key key;
        } presses[] = {
            {"Shift+F3", Qt::ShiftModifier, Qt::Key_F3},
            {"Alt+F3", Qt::AltModifier, Qt::Key_F3},
            {"Shift+Alt+F4", Qt::ShiftModifier | Qt::AltModifier, Qt::Key_F4},
            {"Shift+Alt+F3", Qt::ShiftModifier | Qt::AltModifier, Qt::Key_F3},
        };
        for (const auto& p : presses) {
            QTest::keyClick(about->BT_Ok, p.key, p.mods);
            seen.after.emplace_back(p.label, about->LabelWholeVersion->isVisibleTo(about));
        }
        trqtest::saveScreenshot(about, "mainwin_about");
        EXPECT_EQ(trqtest::clippedLabels(about), "");
        about->BT_Ok->click();
    });
    f->MenuItem("About1")->trigger();
    EXPECT_TRUE(seen.open);
    EXPECT_EQ(AboutForm, nullptr);
    EXPECT_EQ(seen.caption, "About TRQ3100  Module");
    EXPECT_EQ(seen.size, QSize(316, 105));
    EXPECT_EQ(seen.version, "Release Version 3.50");
    EXPECT_EQ(seen.whole, ".R08 (Build 2006/12/27)");
    EXPECT_TRUE(seen.hiddenAtStart);
    EXPECT_TRUE(seen.focus);
    ASSERT_EQ(seen.after.size(), 4u);
    EXPECT_FALSE(seen.after[0].second) << seen.after[0].first;
    EXPECT_FALSE(seen.after[1].second) << seen.after[1].first;
    EXPECT_FALSE(seen.after[2].second) << seen.after[2].first;
    EXPECT_TRUE(seen.after[3].second) << seen.after[3].first;
}

TEST_F(MainWindow, AboutBuildLabelWithCtrlTooAndHiddenAgainNextTime)
{
    TAboutForm about(nullptr);
    EXPECT_TRUE(about.LabelWholeVersion->isHidden());
    about.BT_OkKeyDown(Qt::Key_F3, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_FALSE(about.LabelWholeVersion->isHidden());
    // The label continues the version text on its line: the same box height, font and
    // alignment put both texts on one baseline.
    EXPECT_EQ(about.LabelWholeVersion->y(), about.VersionLabel->y());
    EXPECT_EQ(about.LabelWholeVersion->height(), about.VersionLabel->height());
    EXPECT_EQ(about.LabelWholeVersion->alignment(), about.VersionLabel->alignment());
    EXPECT_EQ(about.LabelWholeVersion->font(), about.VersionLabel->font());
    EXPECT_GE(about.LabelWholeVersion->x(), about.VersionLabel->x() + about.VersionLabel->width());
    EXPECT_EQ(trqtest::clippedLabels(&about), "");
    TAboutForm again(nullptr);
    EXPECT_TRUE(again.LabelWholeVersion->isHidden());
}

} // namespace

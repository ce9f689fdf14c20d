// The chassis view against the simulator: slot strips and labels from the unit table,
// changes noticed by the poll, the marker and front panel rules of a rebuild, the close
// handling around a poll, "Refresh Panel", the port buttons and the module configuration
// dialog.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QLabel>
#include <QAbstractItemModel>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "chassisworld.h"
#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "classlib/speedbutton.h"
#include "configwin/unitlist.h"
#include "mainwin/mainrequest.h"
#include "mainwin/modulebasicconfigurationformunit.h"
#include "chassis/modulepanels.h"
#include "chassis/popuprefreshpanelform.h"
#include "chassis/powerform.h"
#include "simlibrary.h"
#include "snmplib/bind/request2edits.h"
#include "support/screenshot.h"

namespace {

using Strings = std::vector<std::string>;

const Strings DefaultLabels = {"CPU: TRQ-3112",    "Unit 1: TRQ-3120", "Unit 2: TRQ-3114",
                               "Unit 3: TRQ-3117", "Unit 4: TRQ-3118", "Unit 5: TRQ-3122"};

class Chassis : public ChassisWorld {
protected:
    // The model class of each slot's thumbnail ("" for an empty strip).
    std::vector<std::string> strips() const
    {
        std::vector<std::string> out;
        for (int slot = 1; slot <= 9; ++slot) {
            TModuleThumbnailForm* thumb = thumbnail(slot);
            out.push_back(thumb ? thumb->metaObject()->className() : "");
        }
        return out;
    }
    std::vector<std::pair<int, int>> slotList() const
    {
        std::vector<std::pair<int, int>> out;
        for (const SlotEntry* e = form->Chassis->SlotList; e; e = e->Next)
            out.emplace_back(e->ModuleIndex, e->Slot);
        return out;
    }
    QPoint indicator() const { return form->Chassis->Indicator->isHidden() ? QPoint(-1, -1) : form->Chassis->Indicator->pos(); }
};

TEST_F(Chassis, StartupBuildsStripsAndLabelsFromTheUnitTable)
{
    start();
    EXPECT_EQ(labels(), DefaultLabels);
    EXPECT_EQ(strips(), (Strings{"TTRQ3112LittleForm", "TTRQ3120LittleForm", "TTRQ3114LittleForm",
                                 "TTRQ3117LittleForm", "TTRQ3118LittleForm", "TTRQ3122LittleForm", "", "", ""}));
    EXPECT_EQ(slotList(), (std::vector<std::pair<int, int>>{{1, 1}, {9, 2}, {3, 3}, {6, 4}, {7, 5}, {10, 6}}));
    ASSERT_NE(thumbnail(3), nullptr);
    ASSERT_NE(thumbnail(1), nullptr);
    EXPECT_EQ(thumbnail(3)->Slot, 3);
    EXPECT_EQ(thumbnail(1)->Slot, 0); // the CPU module's thumbnail sets it when clicked
    EXPECT_EQ(form->Chassis->SlotForms->size(), 6);
    ASSERT_FALSE(form->Chassis->UnitLabels.empty());
    EXPECT_EQ(form->Chassis->UnitLabels[0]->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(form->Chassis->UnitLabels[0]->font().bold());

    // The unit list that port windows read.
    ASSERT_EQ(ChassisUnitList(), form->Chassis->UnitListView);
    ASSERT_EQ(form->Chassis->UnitListView->topLevelItemCount(), 5);
    const QTreeWidgetItem* row = form->Chassis->UnitListView->topLevelItem(2);
    EXPECT_EQ(row->text(0), "3");
    EXPECT_EQ(row->text(1), "129");
    EXPECT_EQ(row->text(2), "TRQ-3117");

    EXPECT_EQ(form->Chassis->CurrentPanelForm, nullptr);
    EXPECT_TRUE(form->Chassis->Indicator->isHidden());
    ASSERT_NE(PowerForm, nullptr);
    EXPECT_EQ(PowerForm->parentWidget(), form->Chassis->PowerPanel);
    EXPECT_TRUE(trqtest::waitUntil([] { return PowerForm->FanImageIndexes[3] == 0; }));
    trqtest::saveScreenshot(form.get(), "mainwin_chassis");
}

TEST_F(Chassis, EmptyOrUnreadableUnitTableBuildsNothingUntilAPollReadsRows)
{
    Timeout = 20;
    ASSERT_TRUE(sim.mute(true));
    start();
    EXPECT_EQ(labels(), Strings{});
    EXPECT_EQ(strips(), Strings(9, ""));
    EXPECT_EQ(form->Chassis->SlotList, nullptr);
    poll();
    EXPECT_EQ(labels(), Strings{});
    EXPECT_EQ(form->Chassis->SlotList, nullptr);
    ASSERT_TRUE(sim.mute(false));
    poll();
    EXPECT_EQ(labels(), DefaultLabels);
    EXPECT_EQ(form->Chassis->SlotForms->size(), 6);
}

TEST_F(Chassis, ModelsWithoutThumbnailGetALabelAndTheirChangesAreNoticed)
{
    start();
    const QPointer<TModuleThumbnailForm> before = thumbnail(2);
    poll(); // nothing changed: nothing is rebuilt
    EXPECT_EQ(thumbnail(2), before.data());

    const struct {
        const char* model;
        const char* strip; // class in slot 7
    } steps[] = {{"TRQ-3113", ""}, {"TRQ-3116", ""}, {"TRQ-3115", "TTRQ3115LittleForm"}, {"TRQ-3111", ""}};
    for (const auto& step : steps) {
        ASSERT_TRUE(sim.insertModule(6, step.model)) << sim.lastError;
        poll();
        Strings expected = DefaultLabels;
        expected.push_back(std::string("Unit 6: ") + step.model);
        EXPECT_EQ(labels(), expected) << step.model;
        EXPECT_EQ(strips()[6], step.strip) << step.model;
        EXPECT_EQ(form->Chassis->SlotForms->size(), *step.strip ? 7 : 6) << step.model;
    }
    EXPECT_TRUE(before.isNull()); // the view was rebuilt
}

TEST_F(Chassis, RemovingAnotherUnitKeepsThePanelRemovingItsUnitClosesIt)
{
    start();
    TModulePanelForm* panel = showPanel(4);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(indicator(), QPoint(639, 3 * 36 + 48));

    ASSERT_TRUE(sim.removeModule(1));
    poll();
    EXPECT_EQ(labels(), (Strings{"CPU: TRQ-3112", "Unit 2: TRQ-3114", "Unit 3: TRQ-3117", "Unit 4: TRQ-3118",
                                 "Unit 5: TRQ-3122"}));
    EXPECT_EQ(form->Chassis->CurrentPanelForm, panel);
    EXPECT_EQ(indicator(), QPoint(639, 3 * 36 + 48));
    EXPECT_EQ(form->Chassis->PortButtons->size(), 12);

    ASSERT_TRUE(sim.removeModule(3));
    poll();
    EXPECT_EQ(form->Chassis->CurrentPanelForm, nullptr);
    EXPECT_EQ(indicator(), QPoint(639, 48));
    EXPECT_TRUE(form->Chassis->PortButtons->isEmpty());
    EXPECT_EQ(form->Chassis->CurrentSlot, 4); // kept, as the marker moved without a panel
}

TEST_F(Chassis, SwappedModulesAreNoticedAtTheNextPoll)
{
    start();
    ASSERT_NE(showPanel(3), nullptr); // unit 2, TRQ-3114
    ASSERT_TRUE(sim.swapModules(1, 2));
    poll();
    EXPECT_EQ(labels(), (Strings{"CPU: TRQ-3112", "Unit 1: TRQ-3114", "Unit 2: TRQ-3120", "Unit 3: TRQ-3117",
                                 "Unit 4: TRQ-3118", "Unit 5: TRQ-3122"}));
    EXPECT_EQ(strips()[1], "TTRQ3114LittleForm");
    EXPECT_EQ(strips()[2], "TTRQ3120LittleForm");
    EXPECT_EQ(form->Chassis->CurrentPanelForm, nullptr); // slot 3 holds another model now
    EXPECT_EQ(indicator(), QPoint(639, 48));
}

TEST_F(Chassis, APollMakesAMissingRmonRequestAndPowerWindowAsTheStartDoes)
{
    start();
    DeleteMainRequest(std::exchange(form->MainRequest, nullptr));
    delete PowerForm;
    ASSERT_EQ(PowerForm, nullptr);
    poll();
    ASSERT_NE(form->MainRequest, nullptr);
    EXPECT_EQ(form->MainRequest->Mode, 1); // never holds up the message loop
    EXPECT_TRUE(trqtest::waitUntil([&] { return form->ST_RmonState->text() == "enabled"; }));
    ASSERT_NE(PowerForm, nullptr);
    EXPECT_EQ(PowerForm->parentWidget(), form->Chassis->PowerPanel);
    EXPECT_TRUE(PowerForm->isVisible());
    EXPECT_TRUE(trqtest::waitUntil([] { return PowerForm->PowerImageIndexes[1] == 0; }));
}

TEST_F(Chassis, CloseDuringAPollIsRefusedThenCarriedOutWhenThePollEnds)
{
    start();
    ASSERT_TRUE(sim.delay(200));
    struct {
        bool tried = false, closed = true, enabled = true, pending = false;
    } during;
    QTimer::singleShot(50, form.get(), [&] {
        during.tried = true;
        during.closed = form->close();
        during.enabled = form->isEnabled();
        during.pending = form->Chassis->ClosePending;
    });
    poll();
    ASSERT_TRUE(sim.delay(0));
    ASSERT_TRUE(during.tried);
    EXPECT_FALSE(during.closed);
    EXPECT_FALSE(during.enabled);
    EXPECT_TRUE(during.pending);
    EXPECT_FALSE(form->Timer1->isActive());
    // The poll posted the close; it goes through now.
    EXPECT_TRUE(trqtest::waitUntil([&] { return !form->isVisible(); }));
    EXPECT_EQ(form->Chassis->UnitRequest, nullptr);
    EXPECT_EQ(form->MainRequest, nullptr);
    EXPECT_EQ(PowerForm, nullptr);
    EXPECT_GE(GetTag(form->menuBar()), 2);
}

TEST_F(Chassis, CloseBetweenTwoRowsOfAWalkWaitsForTheWalkToEnd)
{
    start();
    ASSERT_TRUE(trqtest::waitUntil([] { return PowerForm->FanRequest->Busy == 0; }));
    // The fan walk lets messages run after each row: the close comes in there.
    bool asked = false;
    QObject::connect(PowerForm->LV_Fan->model(), &QAbstractItemModel::rowsInserted, form.get(), [&] {
        if (!asked)
            QMetaObject::invokeMethod(form.get(), [&] { form->close(); }, Qt::QueuedConnection);
        asked = true;
    });
    poll();
    EXPECT_TRUE(trqtest::waitUntil([&] { return !form->isVisible(); }));
    EXPECT_TRUE(asked);
    EXPECT_EQ(PowerForm, nullptr);
}

TEST_F(Chassis, APollBetweenTwoRowsOfAnotherUnitTableReadIsSkipped)
{
    start();
    // A port window reads the unit list; the poll timer fires between two of its rows.
    bool polled = false;
    QObject::connect(form->Chassis->UnitListView->model(), &QAbstractItemModel::rowsInserted, form.get(), [&] {
        if (!polled)
            QMetaObject::invokeMethod(form.get(), [&] { poll(); }, Qt::QueuedConnection);
        polled = true;
    });
    ASSERT_TRUE(sim.insertModule(8, "TRQ-3119"));
    form->Chassis->UnitRequest->Get();
    EXPECT_TRUE(trqtest::waitUntil([&] { return form->Chassis->UnitRequest->Busy == 0; }));
    EXPECT_TRUE(polled);
    EXPECT_EQ(form->Chassis->UnitListView->topLevelItemCount(), 6);
    EXPECT_EQ(labels().size(), 6u); // the skipped poll built nothing
    poll();
    EXPECT_EQ(labels().back(), "Unit 8: TRQ-3119");
}

TEST_F(Chassis, RefreshPanelAsksThenRebuildsBehindThePopup)
{
    start();
    ASSERT_TRUE(sim.insertModule(8, "TRQ-3119"));
    {
        MessageRecorder boxes(IDCANCEL);
        form->MenuItem("RefreshPanel1")->trigger();
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "Refresh panel may take a long time. Are you sure?");
        EXPECT_EQ(boxes.Shown[0].icon, MessageIcon::Question);
    }
    EXPECT_EQ(labels().size(), 6u);

    bool popupShown = false;
    QTimer::singleShot(0, form.get(), [&] {
        popupShown = PopupProcessBarForm && PopupProcessBarForm->isVisible();
        if (PopupProcessBarForm) {
            EXPECT_EQ(PopupProcessBarForm->windowTitle(), "Refresh Panel");
            EXPECT_EQ(PopupProcessBarForm->size(), QSize(396, 24));
            trqtest::saveScreenshot(PopupProcessBarForm, "mainwin_refresh_popup");
        }
    });
    {
        MessageRecorder boxes(IDOK);
        form->RefreshPanel1Click();
    }
    EXPECT_TRUE(popupShown);
    EXPECT_EQ(PopupProcessBarForm, nullptr);
    EXPECT_EQ(labels().back(), "Unit 8: TRQ-3119");
    EXPECT_FALSE(form->Chassis->FirstChassisBuild);
}

TEST_F(Chassis, RefreshPanelDuringAPollClosesAtOnceAndAfterACloseDoesNothing)
{
    start();
    ASSERT_TRUE(sim.insertModule(8, "TRQ-3119"));
    form->Chassis->PollRunning = true; // as inside a timer poll
    {
        MessageRecorder boxes(IDOK);
        form->RefreshPanel1Click();
        EXPECT_EQ(boxes.Shown.size(), 1u);
    }
    form->Chassis->PollRunning = false;
    EXPECT_EQ(labels().size(), 6u); // no refresh
    EXPECT_TRUE(form->Chassis->FirstChassisBuild);

    SetTag(form->menuBar(), 1); // a close request has been counted
    MessageRecorder boxes(IDOK);
    form->RefreshPanel1Click();
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(Chassis, PopupBarRunsFromZeroTo99)
{
    TPopupProcessBarForm popup(nullptr);
    EXPECT_TRUE(popup.Timer1->isActive());
    EXPECT_EQ(popup.Timer1->interval(), 1000);
    popup.ProgressBar->setValue(98);
    popup.Timer1Timer();
    EXPECT_EQ(popup.ProgressBar->value(), 99);
    popup.Timer1Timer();
    EXPECT_EQ(popup.ProgressBar->value(), 0);
    popup.Timer1->stop();
    popup.Timer1Timer();
    EXPECT_EQ(popup.ProgressBar->value(), 0);
}

TEST_F(Chassis, PortButtonsCarryTheirPortAndStayDownAcrossPolls)
{
    start();
    ASSERT_NE(showPanel(4), nullptr); // unit 3: ports 129..140
    ASSERT_EQ(form->Chassis->PortButtons->size(), 12);
    for (int k = 1; k <= 12; ++k) {
        ASSERT_NE(portButton(k), nullptr) << k;
        EXPECT_EQ(GetTag(portButton(k)), 128 + k) << k;
    }
    EXPECT_EQ(GetTag(portButton(5)), 133);

    // Down is the program's: a click releases the others and leaves its own state.
    portButton(3)->setChecked(true);
    QTest::mouseClick(portButton(5), Qt::LeftButton);
    EXPECT_FALSE(portButton(3)->isChecked());
    EXPECT_FALSE(portButton(5)->isChecked());

    // The popup menu knows the button it was opened from.
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(4, 4), portButton(7)->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(portButton(7), &menuEvent);
    EXPECT_TRUE(form->PortInfoPopupMenu->isVisible());
    EXPECT_EQ(PopupComponent(form->PortInfoPopupMenu), portButton(7));
    form->PortInfoPopupMenu->hide();

    // A poll keeps the list, so a pressed button is released by the next click.
    portButton(2)->setChecked(true);
    trqtest::saveScreenshot(form.get(), "mainwin_chassis_port_down");
    poll();
    ASSERT_EQ(form->Chassis->PortButtons->size(), 12);
    QTest::mouseClick(portButton(4), Qt::LeftButton);
    EXPECT_FALSE(portButton(2)->isChecked());
    portButton(6)->setChecked(true);
    form->Chassis->ReleasePortButtons();
    EXPECT_FALSE(portButton(6)->isChecked());

    // The CPU module's panel has none.
    ASSERT_NE(showPanel(1), nullptr);
    EXPECT_TRUE(form->Chassis->PortButtons->isEmpty());
    EXPECT_EQ(thumbnail(1)->Slot, 1);
    EXPECT_EQ(form->Chassis->CurrentModuleIndex, 1);
    EXPECT_EQ(indicator(), QPoint(639, 48));
}

TEST_F(Chassis, ModuleBasicConfigurationSetRefreshesAndCloses)
{
    start();
    ASSERT_TRUE(sim.insertModule(8, "TRQ-3119"));
    TModuleBasicConfigurationForm dialog(form.get());
    EXPECT_EQ(dialog.windowTitle(), "Module Basic Configuration");
    EXPECT_EQ(dialog.size(), QSize(358, 73));
    EXPECT_EQ(dialog.BitBtn1->text(), "&Set");
    QTimer::singleShot(0, &dialog, [&] {
        trqtest::saveScreenshot(&dialog, "mainwin_module_basic_configuration");
        dialog.BitBtn1->click();
    });
    EXPECT_EQ(dialog.exec(), mrYes);
    EXPECT_EQ(labels().back(), "Unit 8: TRQ-3119");
    EXPECT_FALSE(form->MenuItem("MoudleBasicConfig")->isVisible());
}

} // namespace

// The chassis view on its own, hosted by the test instead of the main window: it builds
// from the simulator's unit table and tells its host of each good read, its poll timer's
// tick polls, a thumbnail's click shows the module's front panel through the host, and a
// release ends every request and part.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "chassis/chassishost.h"
#include "chassis/chassisview.h"
#include "chassis/modulepanels.h"
#include "chassis/powerform.h"
#include "chassis/requestlifetime.h"
#include "classlib/speedbutton.h"
#include "simlibrary.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/defaults.h"

namespace {

[[maybe_unused]] const bool g_environment =
    trqtest::UseSimulatorWithLibrary([] { return trqtest::SimOptions{}; }, trqtest::AimDefaultsAt);

class TestHost : public TChassisHost {
public:
    TChassisView* View = nullptr;
    QLabel Line;
    int UnitTableReads = 0;

    QWidget* Window() const override { return View; }
    QLabel* StatusTarget() const override { return const_cast<QLabel*>(&Line); }
    std::string StatusText() const override { return Line.text().toStdString(); }
    void SetStatusText(const std::string& text) override { Line.setText(QString::fromStdString(text)); }
    bool StatusHeld() const override { return View && View->UnitReadFailed(); }
    QList<QAbstractButton*>* PortButtons() const override { return View ? View->PortButtons.get() : nullptr; }
    void ShowModulePanel(int slot, uint8_t modelIndex) override
    {
        if (View)
            View->ShowModulePanel(slot, modelIndex);
    }
    bool PollRunning() const override { return View && View->PollRunning; }
    void RefreshChassis() override
    {
        if (View)
            View->RefreshChassis();
    }
    void EndFirstChassisBuild() override
    {
        if (View)
            View->FirstChassisBuild = false;
    }
    void UnitTableRead() override { ++UnitTableReads; }
};

class ChassisViewAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = ChassisHost();
        SetChassisHost(&host);
        view = std::make_unique<TChassisView>(nullptr, &menu, &timer);
        host.View = view.get();
        view->FormCreate();
    }
    void TearDown() override
    {
        host.View = nullptr;
        view.reset();
        SetChassisHost(saved_);
    }

    std::vector<std::string> labels() const
    {
        std::vector<std::string> out;
        for (QLabel* label : view->UnitLabels)
            if (!label->isHidden())
                out.push_back(label->text().toStdString());
        return out;
    }

    TestHost host;
    QMenu menu;
    QTimer timer;
    std::unique_ptr<TChassisView> view;

private:
    TChassisHost* saved_ = nullptr;
};

TEST_F(ChassisViewAlone, BuildsPollsShowsAPanelAndReleases)
{
    view->InitChassis();
    view->CreatePowerForm();
    ASSERT_FALSE(view->UnitReadFailed()) << host.StatusText();
    EXPECT_EQ(host.UnitTableReads, 1);
    EXPECT_EQ(labels(), (std::vector<std::string>{"CPU: TRQ-3112", "Unit 1: TRQ-3120", "Unit 2: TRQ-3114",
                                                  "Unit 3: TRQ-3117", "Unit 4: TRQ-3118", "Unit 5: TRQ-3122"}));
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));

    // The thumbnail's click goes through the host to the view.
    auto* thumb = view->SlotPanels[2]->findChild<TModuleThumbnailForm*>();
    ASSERT_NE(thumb, nullptr);
    QTest::mouseClick(thumb->Image1, Qt::LeftButton);
    ASSERT_TRUE(trqtest::waitUntil(
        [&] { return view->CurrentSlot == 3 && view->CurrentPanelForm && view->CurrentPanelForm->isVisible(); }));
    EXPECT_EQ(view->CurrentPanelForm->parentWidget(), view->ButtonPanel);
    ASSERT_EQ(view->PortButtons->size(), 12);
    EXPECT_EQ(GetPopupMenu(view->PortButtons->at(0)), &menu);

    // The timer's tick polls, and the timer runs on.
    timer.start(60000);
    view->Timer1Timer();
    EXPECT_EQ(host.UnitTableReads, 2);
    EXPECT_TRUE(timer.isActive());
    EXPECT_FALSE(view->Busy());

    view->StopRequests();
    ASSERT_TRUE(trqtest::waitUntil([&] { return view->RequestsIdle(); }));
    view->Release();
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(view->UnitRequest, nullptr);
    EXPECT_EQ(view->CurrentPanelForm, nullptr);
    EXPECT_EQ(PowerForm, nullptr);
    EXPECT_TRUE(view->PortButtons->isEmpty());
}

} // namespace

#include "chassisworld.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QTimer>

#include "classlib/speedbutton.h"
#include "chassis/modulepanels.h"
#include "simlibrary.h"
#include "snmplib/bind/request2leds.h"

namespace {

int32_t savedLedPeriod = 0;
int32_t savedLedTimeout = 0;

} // namespace

void ChassisWorld::SetUp()
{
    StartupWorld::SetUp();
    // Tries of 2 s: the simulator answers within milliseconds, and a loaded machine still
    // gets its replies in. A test of a silent switch sets short ones itself.
    Timeout = 200;
    savedLedPeriod = TModulePanelForm::LedPeriod;
    savedLedTimeout = TModulePanelForm::LedTimeout;
    TModulePanelForm::LedPeriod = 25;
    TModulePanelForm::LedTimeout = 200;
    std::string error;
    ASSERT_TRUE(sim.start(&error)) << error;
    writeSimulatorSettings(sim.port());
}

void ChassisWorld::TearDown()
{
    if (sim.running())
        sim.mute(false);
    form.reset();
    sim.stop();
    TModulePanelForm::LedPeriod = savedLedPeriod;
    TModulePanelForm::LedTimeout = savedLedTimeout;
    StartupWorld::TearDown();
}

TMainForm* ChassisWorld::start()
{
    form.reset(createMainForm({"/I127.0.0.1", "/Rmardle", "/Wquillon"}));
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    return form.get();
}

void ChassisWorld::poll()
{
    if (!form->Timer1->isActive())
        form->Timer1->start();
    form->Chassis->Timer1Timer();
}

TModuleThumbnailForm* ChassisWorld::thumbnail(int slot) const
{
    return form->Chassis->SlotPanels[slot - 1]->findChild<TModuleThumbnailForm*>();
}

TModulePanelForm* ChassisWorld::showPanel(int slot)
{
    TModuleThumbnailForm* thumb = thumbnail(slot);
    EXPECT_NE(thumb, nullptr) << "slot " << slot;
    if (!thumb)
        return nullptr;
    // A click on the module shown already makes a new panel too.
    const QPointer<TModulePanelForm> before = form->Chassis->CurrentPanelForm;
    QTest::mouseClick(thumb->Image1, Qt::LeftButton);
    const bool shown = trqtest::waitUntil([&] {
        return form->Chassis->CurrentPanelForm && form->Chassis->CurrentPanelForm != before.data() && form->Chassis->CurrentSlot == slot &&
               form->Chassis->CurrentPanelForm->isVisible();
    });
    EXPECT_TRUE(shown) << "slot " << slot;
    return shown ? form->Chassis->CurrentPanelForm : nullptr;
}

bool ChassisWorld::waitForLedRead()
{
    TModulePanelForm* panel = form->Chassis->CurrentPanelForm;
    if (!panel || !panel->LedRequest)
        return false;
    QLabel* panel0 = form->StatusBarPanel0();
    panel0->clear();
    // Every read ends with a result line of the LED request in panel 0.
    return trqtest::waitUntil([&] { return panel0->text().contains(QLatin1String("Led Status")); });
}

std::vector<std::string> ChassisWorld::labels() const
{
    std::vector<std::string> out;
    for (QLabel* label : form->Chassis->UnitLabels)
        if (!label->isHidden())
            out.push_back(label->text().toStdString());
    return out;
}

TSpeedButton* ChassisWorld::portButton(int k) const
{
    TSpeedButton* button = nullptr;
    if (form && form->Chassis->PortButtons && k >= 1 && k <= form->Chassis->PortButtons->size())
        button = qobject_cast<TSpeedButton*>(form->Chassis->PortButtons->at(k - 1));
    if (button)
        return button;
    // The case fails; it goes on against a hidden button that belongs to no panel.
    ADD_FAILURE() << "no port button " << k;
    if (!standInButton_)
        standInButton_ = std::make_unique<TSpeedButton>();
    return standInButton_.get();
}

std::string DefaultLedOctets(int ports)
{
    std::string octets(4, char(0x02));
    for (int p = 1; p <= ports; ++p) {
        const bool up = p % 4 != 0;
        octets += char(up ? (p % 4 == 1 ? 0x82 : 0x02) : 0x01);
        octets += char(up ? 0x02 : 0x01);
    }
    return octets;
}

// The unit/port chooser: 576 boxes on nine unit pages, the layout rules, which pages and
// boxes the installed units show, and the port counts of the module models.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "configwin/stackingportuitform.h"
#include "configwin/unitlist.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "support/screenshot.h"

namespace {

class Chooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        saved = QDir::currentPath();
        QDir::setCurrent(dir.path());
        units.setColumnCount(3);
        SetChassisUnitList(&units);
    }
    void TearDown() override
    {
        SetChassisUnitList(nullptr);
        QDir::setCurrent(saved);
    }
    // The chooser as every port window builds it.
    std::unique_ptr<TStackingPortUitForm> build()
    {
        auto form = std::make_unique<TStackingPortUitForm>(nullptr);
        for (int unit = 1; unit <= 9; ++unit)
            form->BuildUnitPages("Unit" + IntToStr(unit), (unit - 1) * 64 + 1, 64, 12, 0);
        return form;
    }
    void addUnit(const char* id, const char* startPort, const char* module)
    {
        new QTreeWidgetItem(&units, QStringList{id, startPort, module});
    }
    static std::vector<int> shownBoxes(const TStackingPortUitForm& form)
    {
        std::vector<int> out;
        for (int i = 0; i < form.PortCheckBoxes.size(); ++i)
            if (!form.PortCheckBoxes[i]->isHidden())
                out.push_back(i);
        return out;
    }
    static std::vector<int> range(int first, int count)
    {
        std::vector<int> out;
        for (int i = 0; i < count; ++i)
            out.push_back(first + i);
        return out;
    }
    std::string tab(const TStackingPortUitForm& form, int unit) const
    {
        const int index = form.UnitPageControl->indexOf(form.UnitSheets[unit]);
        return (form.UnitPageControl->isTabVisible(index) ? "" : "hidden:") +
               form.UnitPageControl->tabText(index).toStdString();
    }

    QTemporaryDir dir;
    QString saved;
    QTreeWidget units;
};

TEST_F(Chooser, NinePagesHold576HiddenBoxesInPortOrder)
{
    auto form = build();
    ASSERT_EQ(form->PortCheckBoxes.size(), 576);
    EXPECT_TRUE(shownBoxes(*form).empty());
    ASSERT_EQ(form->UnitTabs.size(), 9);
    for (int unit = 1; unit <= 9; ++unit) {
        EXPECT_EQ(form->UnitTabs[unit - 1], form->UnitSheets[unit]);
        EXPECT_EQ(tab(*form, unit), unit == 9 ? "hidden:CPU Unit9" : "hidden:Unit" + IntToStr(unit));
        EXPECT_TRUE(form->UnitSheets[unit]->isAncestorOf(form->PortCheckBoxes[(unit - 1) * 64]));
        EXPECT_TRUE(form->UnitScrollBoxes[unit]->widget()->isAncestorOf(form->PortCheckBoxes[unit * 64 - 1]));
    }
    // Index 64 is the first position of unit 2: port 65.
    EXPECT_EQ(form->PortCheckBoxes[64]->text(), "1");
    EXPECT_TRUE(form->UnitSheets[2]->isAncestorOf(form->PortCheckBoxes[64]));
    // Twelve to a row: left = 8 x column x 5 + 20, width = (caption length + 3) x 8, rows 17 apart.
    EXPECT_EQ(form->PortCheckBoxes[8]->geometry(), QRect(340, 4, 32, 17));
    EXPECT_EQ(form->PortCheckBoxes[11]->geometry(), QRect(460, 4, 40, 17));
    EXPECT_EQ(form->PortCheckBoxes[12]->geometry(), QRect(20, 21, 40, 17));
    EXPECT_EQ(form->PortCheckBoxes[63]->text(), "64");
    EXPECT_EQ(form->size(), QSize(543, 252));
}

TEST_F(Chooser, DeviceInfoIniMakesTenColumnsWhateverItHolds)
{
    QFile file(dir.filePath("DeviceInfo.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[anything]\nPerRow=12\n");
    file.close();
    auto form = build();
    EXPECT_EQ(form->PortCheckBoxes[9]->geometry().left(), 380);
    EXPECT_EQ(form->PortCheckBoxes[10]->geometry().topLeft(), QPoint(20, 21));
}

TEST_F(Chooser, ShowUnitPortsShowsThePagesAndBoxesOfTheInstalledUnits)
{
    addUnit("1", "1", "TRQ-3114");
    addUnit("3", "129", "trq-3120");
    auto form = build();
    form->ShowUnitPorts("3", "TRQ-3120", 129, 99, 12); // the count comes from the unit list
    EXPECT_EQ(tab(*form, 3), "Unit3 TRQ-3120");
    EXPECT_EQ(shownBoxes(*form), range(128, 24));
    EXPECT_EQ(form->PortCheckBoxes[151]->text(), "24");
    form->ShowUnitPorts("3", "TRQ-3120", 129, 24, 12);
    EXPECT_EQ(tab(*form, 3), "Unit3 TRQ-3120 TRQ-3120");

    form->ShowUnitPorts("9", "TRQ-3112", 513, 64, 12); // the CPU page has no boxes
    EXPECT_EQ(tab(*form, 9), "CPU Unit9 TRQ-3112");
    form->ShowUnitPorts("5", "TRQ-3118", 257, 16, 12); // no row for unit 5
    EXPECT_EQ(tab(*form, 5), "Unit5 TRQ-3118");
    EXPECT_EQ(shownBoxes(*form), range(128, 24));

    form->ShowUnitPorts("0", "TRQ-3122", 0, 2, 12); // another number: the first page
    EXPECT_EQ(tab(*form, 1), "Unit1 TRQ-3122");
    std::vector<int> expected = range(0, 2);
    const std::vector<int> unit3 = range(128, 24);
    expected.insert(expected.end(), unit3.begin(), unit3.end());
    EXPECT_EQ(shownBoxes(*form), expected);

    form->ShowUnitPorts("3", "", 0, 0, 0);
    EXPECT_EQ(tab(*form, 3), "hidden:Unit3 TRQ-3120 TRQ-3120");
    EXPECT_EQ(shownBoxes(*form), expected);

    form->PortCheckBoxes[130]->setChecked(true);
    form->PortCheckBoxes[575]->setChecked(true);
    form->ClearAll();
    for (QCheckBox* box : form->PortCheckBoxes)
        EXPECT_FALSE(box->isChecked());

    form->ShowUnitPorts("1", "TRQ-3114", 1, 12, 12);
    form->UnitPageControl->setCurrentWidget(form->UnitSheets[1]);
    form->show();
    trqtest::saveScreenshot(form.get(), "configwin_port_chooser");
}

TEST_F(Chooser, UnitPortCountsComeFromTheUnitList)
{
    auto form = build();
    EXPECT_EQ(form->GetUnitPortCount("1"), 0); // empty list
    addUnit("1", "1", "TRQ-3114");
    addUnit("2", "65", "TRQ-3111");
    addUnit("9", "513", "TRQ-3120");
    EXPECT_EQ(form->GetUnitPortCount("1"), 12);
    EXPECT_EQ(form->GetUnitPortCount("2"), 0);
    EXPECT_EQ(form->GetUnitPortCount("9"), 0);
    EXPECT_EQ(form->GetUnitPortCount("4"), 0);
    SetChassisUnitList(nullptr);
    EXPECT_EQ(form->GetUnitPortCount("1"), 0);
}

TEST_F(Chooser, BadUnitNamesBuildNothing)
{
    TStackingPortUitForm form(nullptr);
    EXPECT_THROW(form.BuildUnitPages("UnitX", 1, 64, 12, 0), EConvertError);
    EXPECT_THROW(form.BuildUnitPages("Unit", 1, 64, 12, 0), EConvertError);
    EXPECT_THROW(form.BuildUnitPages("Unit10", 577, 64, 12, 0), Exception);
    EXPECT_THROW(form.BuildUnitPages("Unit0", 1, 64, 12, 0), Exception);
    EXPECT_TRUE(form.PortCheckBoxes.isEmpty());
    form.BuildUnitPages("Unit2", 65, 64, 12, 0);
    EXPECT_THROW(form.BuildUnitPages("Unit2", 65, 64, 12, 0), Exception);
    EXPECT_EQ(form.PortCheckBoxes.size(), 64);
    EXPECT_THROW(form.ShowUnitPorts("two", "TRQ-3114", 0, 12, 12), EConvertError);
}

TEST_F(Chooser, EmbeddedItFillsItsParent)
{
    QWidget window;
    window.resize(600, 300);
    auto* chooser = new TStackingPortUitForm(&window);
    chooser->EmbedIn(&window);
    window.show();
    EXPECT_EQ(chooser->parentWidget(), &window);
    EXPECT_FALSE(chooser->isWindow());
    EXPECT_EQ(chooser->geometry(), window.rect());
}

TEST(ModulePortCount, ModelsAndOtherNames)
{
    const std::pair<const char*, int> models[] = {
        {"TRQ-3112", 0}, {"TRQ-3114", 12}, {"TRQ-3115", 8},  {"TRQ-3117", 12}, {"TRQ-3118", 16},
        {"TRQ-3119", 12}, {"TRQ-3120", 24}, {"trq-3120", 24}, {"TRQ-3122", 2},  {"TRQ-3111", 0},
        {"", 0},          {"TRQ-31200", 0},
    };
    for (const auto& [name, ports] : models)
        EXPECT_EQ(GetModulePortCount(name), ports) << name;
}

} // namespace

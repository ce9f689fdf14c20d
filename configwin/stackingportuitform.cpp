#include "configwin/stackingportuitform.h"

#include <algorithm>

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "classlib/formstyle.h"
#include "configwin/unitlist.h"
#include "platform/exception.h"
#include "platform/sysutils.h"

namespace {

constexpr int ClientWidth = 543;
constexpr int ClientHeight = 252;
constexpr int PortsPerUnit = 64;
constexpr int LineCardUnits = 8;
constexpr int CpuUnit = 9;

std::string UnitCaption(int unit) { return unit == CpuUnit ? "CPU Unit9" : "Unit" + IntToStr(unit); }

// Lays out the visible boxes' page: the scroll box scrolls to the lowest shown box.
void FitPage(QScrollArea* box)
{
    QWidget* page = box->widget();
    int right = 0;
    int bottom = 0;
    for (QCheckBox* check : page->findChildren<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly))
        if (!check->isHidden()) {
            right = std::max(right, check->geometry().right() + 4);
            bottom = std::max(bottom, check->geometry().bottom() + 4);
        }
    page->setMinimumSize(right, bottom);
    page->resize(std::max(right, box->viewport()->width()), std::max(bottom, box->viewport()->height()));
}

} // namespace

TStackingPortUitForm::TStackingPortUitForm(QWidget* owner) : QWidget(owner, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("StackingPortUitForm"));
    setWindowTitle(QStringLiteral("Form"));
    UseFormFont(this);
    resize(ClientWidth, ClientHeight);
    UnitPageControl = new QTabWidget(this);
    UnitPageControl->setObjectName(QStringLiteral("UnitPageControl"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(UnitPageControl);
    FormCreate();
}

void TStackingPortUitForm::FormCreate()
{
    PortCheckBoxes.clear();
    UnitTabs.clear();
}

void TStackingPortUitForm::EmbedIn(QWidget* parent)
{
    setParent(parent);
    setWindowFlags(Qt::Widget);
    if (parent) {
        QLayout* layout = parent->layout();
        if (!layout) {
            layout = new QVBoxLayout(parent);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        layout->addWidget(this);
    }
    show();
}

int TStackingPortUitForm::TabIndex(int unit) const
{
    return unit >= 1 && unit <= CpuUnit && UnitSheets[unit] ? UnitPageControl->indexOf(UnitSheets[unit]) : -1;
}

void TStackingPortUitForm::BuildUnitPages(const std::string& unitName, int, int count, int perRow, int)
{
    const int unit = StrToInt(unitName.size() > 4 ? unitName.substr(4) : std::string());
    if (unit < 1 || unit > CpuUnit)
        throw Exception("'" + unitName + "' is not a unit of the chassis");
    if (UnitSheets[unit])
        throw Exception("'" + unitName + "' has its page already");

    auto* sheet = new QWidget;
    sheet->setObjectName(toQt("UnitSheet" + IntToStr(unit)));
    UnitSheets[unit] = sheet;
    UnitTabs.append(sheet);
    const int index = UnitPageControl->addTab(sheet, toQt(UnitCaption(unit)));

    auto* scroll = new QScrollArea(sheet);
    scroll->setObjectName(toQt("UnitScrollBox" + IntToStr(unit)));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->addWidget(scroll);
    UnitScrollBoxes[unit] = scroll;
    // The boxes go onto the page before it joins the window: one join for the page, not
    // one for each box.
    auto* page = new QWidget;

    // The presence of the file alone decides; what it holds is not read.
    if (QFileInfo::exists(QStringLiteral("DeviceInfo.ini")))
        perRow = 10;
    perRow = std::max(perRow, 1);
    for (int i = 0; i < count; ++i) {
        const std::string caption = IntToStr(i + 1);
        auto* check = new QCheckBox(toQt(caption), page);
        const int column = i % perRow;
        const int row = i / perRow;
        check->setGeometry(FontSize * column * 5 + 20, row * CheckBoxHeight + 4,
                           (static_cast<int>(caption.size()) + 3) * FontSize, CheckBoxHeight);
        check->hide();
        PortCheckBoxes.append(check);
    }
    scroll->setWidget(page);
    FitPage(scroll);
    UnitPageControl->setTabVisible(index, false);
}

void TStackingPortUitForm::ShowUnitPorts(const std::string& unitText, const std::string& moduleText, int,
                                         int portCount, int show)
{
    const int unit = StrToInt(unitText);
    const auto appendModule = [&](int tab) {
        if (tab < 0)
            return;
        UnitPageControl->setTabVisible(tab, true);
        UnitPageControl->setTabText(tab, UnitPageControl->tabText(tab) + QLatin1Char(' ') + toQt(moduleText));
    };
    const auto showBoxes = [&](int first, int count) {
        const int end = std::min<qsizetype>(first + std::max(count, 0), PortCheckBoxes.size());
        for (int i = std::max(first, 0); i < end; ++i)
            PortCheckBoxes[i]->show();
    };

    if (!show) {
        if (TabIndex(unit) >= 0)
            UnitPageControl->setTabVisible(TabIndex(unit), false);
        return;
    }
    if (unit >= 1 && unit <= CpuUnit) {
        appendModule(TabIndex(unit));
        if (unit <= LineCardUnits) {
            portCount = std::min(GetUnitPortCount(unitText), PortsPerUnit);
            showBoxes((unit - 1) * PortsPerUnit, portCount);
        }
        if (UnitScrollBoxes[unit])
            FitPage(UnitScrollBoxes[unit]);
        return;
    }
    if (UnitTabs.isEmpty())
        return;
    appendModule(UnitPageControl->indexOf(UnitTabs.first()));
    showBoxes(0, portCount);
    for (QScrollArea* box : UnitScrollBoxes)
        if (box)
            FitPage(box);
}

void TStackingPortUitForm::ClearAll()
{
    for (QCheckBox* check : PortCheckBoxes)
        check->setChecked(false);
}

int TStackingPortUitForm::GetUnitPortCount(const std::string& unitText)
{
    const QTreeWidget* units = ChassisUnitList();
    if (!units)
        return 0;
    for (int row = 0; row < units->topLevelItemCount(); ++row) {
        if (unitText == "9")
            return 0;
        const QTreeWidgetItem* item = units->topLevelItem(row);
        if (fromQt(item->text(0)) == unitText)
            return GetModulePortCount(fromQt(item->text(2)));
    }
    return 0;
}

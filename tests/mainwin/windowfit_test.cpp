// Every window a menu item opens (generic and dedicated, of the main menu and of the port
// popup), at its opening size against the simulator, once its first read has ended:
// - it fits a 1366x768 screen with its title bar, and can be made that small;
// - in a list view whose shown columns hold all of their values side by side, no value in
//   sight is elided (an IP address, a MAC address, a value label: any value up to the widest
//   a column is made for);
// - a drop-down is as wide as its longest value, an edit holding a value shows it whole.
// A PNG of each window goes to $TRQ_SCREENSHOT_DIR. CTest runs the binary in shards.
#include <gtest/gtest.h>

#include <iostream>
#include <set>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTreeView>

#include "classlib/dialogs.h"
#include "configwin/configform.h"
#include "configwin/snmpeditorpanel.h"
#include "dedicated/dedicatedform.h"
#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "mainwin/menudispatch.h"
#include "mainwin/menutable.h"
#include "screenshot.h"
#include "snmplib/bind/listcolumns.h"

using namespace mainsim;

namespace {

[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator();

// A 1366x768 screen less the window's title bar and a desktop panel.
constexpr int ScreenWidth = 1366;
constexpr int ScreenHeight = 768 - 40;

using WindowItem = MenuEntry;

// The items that open a window.
std::vector<WindowItem> AllWindows()
{
    return menuEntries([](const TMenuItemDef& item) {
        return item.Kind == MENU_GENERIC_TABLE || item.Kind == MENU_GENERIC_EDITOR || item.Kind == MENU_PORT_EDITOR ||
               item.Kind == MENU_COMPILED_WINDOW;
    });
}

std::string Named(const ::testing::TestParamInfo<WindowItem>& info) { return menuEntryName(info.param); }

// The values elided in the list view's rows in sight, where its shown columns could hold
// all of them; one line each.
std::string ElidedValues(QAbstractItemView* view)
{
    QHeaderView* header = listcolumns::HeaderOf(view);
    QAbstractItemModel* model = view->model();
    if (!header || model->rowCount() == 0)
        return {};
    const int rows = std::min(model->rowCount(), 40);
    std::vector<int> widest(static_cast<std::size_t>(model->columnCount()), 0);
    int sum = 0;
    for (int c = 0; c < model->columnCount(); ++c) {
        if (header->isSectionHidden(c) || header->sectionSize(c) == 0)
            continue;
        for (int r = 0; r < rows; ++r) {
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.font = view->font();
            const int width = view->itemDelegateForIndex(model->index(r, c))->sizeHint(option, model->index(r, c)).width();
            widest[static_cast<std::size_t>(c)] = std::max(widest[static_cast<std::size_t>(c)], width);
        }
        sum += std::min(widest[static_cast<std::size_t>(c)], listcolumns::MaxValueWidth);
    }
    if (sum > view->viewport()->width())
        return {};
    std::string elided;
    for (int c = 0; c < model->columnCount(); ++c) {
        const int wanted = widest[static_cast<std::size_t>(c)];
        if (wanted == 0 || wanted > listcolumns::MaxValueWidth || header->sectionSize(c) >= wanted)
            continue;
        elided += view->objectName().toStdString() + " column \"" +
                  model->headerData(c, Qt::Horizontal).toString().toStdString() + "\" is " +
                  std::to_string(header->sectionSize(c)) + " px for values of " + std::to_string(wanted) + " px\n";
    }
    return elided;
}

// The drop-downs narrower than their longest value and the edits that cut their value.
std::string CutControls(QWidget* window)
{
    std::string cut;
    for (QComboBox* combo : window->findChildren<QComboBox*>()) {
        if (!combo->isVisible() || combo->count() == 0)
            continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > field.width() + 1) {
                cut += "drop-down " + combo->objectName().toStdString() + " cuts \"" + combo->itemText(i).toStdString() +
                       "\"\n";
                break;
            }
    }
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->isVisible() || edit->text().isEmpty() || edit->text().size() > 64 ||
            qobject_cast<QComboBox*>(edit->parentWidget()))
            continue;
        // The room inside the frame and the edit's own text margins.
        const int room = edit->width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) - 4 -
                         edit->textMargins().left() - edit->textMargins().right();
        if (edit->fontMetrics().horizontalAdvance(edit->text()) > room)
            cut += "edit " + edit->objectName().toStdString() + " cuts \"" + edit->text().toStdString() + "\"\n";
    }
    return cut;
}

class OpenedWindow : public ::testing::TestWithParam<WindowItem> {};

TEST_P(OpenedWindow, FitsTheScreenAndShowsItsValuesWhole)
{
    const TMenuItemDef& item = *GetParam().Def;
    const TMenuBinding binding = ResolveMenuItem(item);
    ASSERT_EQ(binding.State, TMenuItemState::Works) << binding.Note;
    std::unique_ptr<StandInPortButton> port;
    if (GetParam().Popup)
        port = std::make_unique<StandInPortButton>(70);
    QAction* action = mainForm().MenuItem(item.Name);
    ASSERT_NE(action, nullptr);
    MessageRecorder boxes(IDCANCEL);
    const bool opened = withModal(
        action,
        [&](QDialog* window) {
            SCOPED_TRACE(window->windowTitle().toStdString());
            trqtest::saveScreenshot(window, QString("fit_") + QString::fromStdString(Named({GetParam(), 0})));
            EXPECT_LE(window->width(), ScreenWidth);
            EXPECT_LE(window->height(), ScreenHeight);
            EXPECT_LE(window->minimumSize().width(), ScreenWidth);
            EXPECT_LE(window->minimumSize().height(), ScreenHeight);
            std::string faults;
            for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>())
                if (view->isVisible() && listcolumns::HeaderOf(view))
                    faults += ElidedValues(view);
            faults += CutControls(window);
            EXPECT_EQ(faults, "");
            window->reject();
        },
        windowHasRead);
    EXPECT_TRUE(opened);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, OpenedWindow, ::testing::ValuesIn(AllWindows()), Named);

} // namespace

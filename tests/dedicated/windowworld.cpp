#include "windowworld.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTabWidget>
#include <QTreeWidget>

#include "configwin/stackingportuitform.h"
#include "modal.h"
#include "screenshot.h"
#include "simlibrary.h"
#include "snmplib/textforms.h"

namespace wintest {

// The helpers both worlds share; each world implements UseWindowWorld, sim, withWindowOf
// and withFactoryOf (mainwindowworld.cpp, standinworld.cpp).

bool settled(TDedicatedForm& form) { return form.Created() && form.IsIdle(); }

bool waitIdle(TDedicatedForm& form, int milliseconds)
{
    return trqtest::waitUntil([&] { return settled(form); }, milliseconds);
}

bool runModal(const std::function<void()>& open, const std::function<void(TDedicatedForm&)>& inside,
              const std::function<bool(TDedicatedForm&)>& ready)
{
    bool ran = false;
    const bool opened = trqtest::withModal(
        open,
        [&](QDialog* window) {
            auto* form = dynamic_cast<TDedicatedForm*>(window);
            ASSERT_NE(form, nullptr) << "not a dedicated window";
            ran = true;
            inside(*form);
        },
        [&](QDialog* window) {
            auto* form = dynamic_cast<TDedicatedForm*>(window);
            return !form || (ready ? ready(*form) : settled(*form));
        });
    return opened && ran;
}

bool waitUntil(const std::function<bool()>& done, int milliseconds) { return trqtest::waitUntil(done, milliseconds); }

void clearLog() { sim().clearLog(); }

std::vector<trqtest::PduLogEntry> logged(const std::string& type)
{
    std::vector<trqtest::PduLogEntry> out;
    for (auto& entry : sim().pduLog())
        if (entry.type == type)
            out.push_back(entry);
    return out;
}

std::vector<std::string> varbinds(const trqtest::PduLogEntry& pdu)
{
    std::vector<std::string> out;
    for (const auto& vb : pdu.varbinds)
        out.push_back(vb.oid + " " + vb.type + " " + vb.value);
    return out;
}

std::string portListHex(const std::vector<int>& bits, int octets)
{
    std::string list(static_cast<std::size_t>(octets), '\0');
    for (int bit : bits)
        list.at(static_cast<std::size_t>(bit / 8)) |= static_cast<char>(0x80u >> (bit % 8));
    return HexText(list);
}

void selectRow(QTreeWidget* view, int row)
{
    if (row < 0) {
        view->clearSelection();
        return;
    }
    QTreeWidgetItem* item = view->topLevelItem(row);
    ASSERT_NE(item, nullptr) << "no row " << row;
    view->setCurrentItem(item);
    item->setSelected(true);
}

std::vector<std::string> boxTexts(const MessageRecorder& boxes)
{
    std::vector<std::string> texts;
    for (const auto& box : boxes.Shown)
        texts.push_back(box.text);
    return texts;
}

std::vector<std::string> columnTexts(const QTreeWidget* view, int column)
{
    std::vector<std::string> out;
    for (int row = 0; row < view->topLevelItemCount(); ++row)
        out.push_back(view->topLevelItem(row)->text(column).toStdString());
    return out;
}

int rowWithKeys(const QTreeWidget* view, const std::vector<std::string>& keys) { return trqtest::rowWithKeys(view, keys); }

std::vector<int> tickedBoxes(const TStackingPortUitForm* grid)
{
    std::vector<int> out;
    for (int k = 0; k < grid->PortCheckBoxes.size(); ++k)
        if (grid->PortCheckBoxes[k]->isChecked())
            out.push_back(k);
    return out;
}

std::vector<std::string> visiblePages(const TStackingPortUitForm* grid)
{
    std::vector<std::string> out;
    const QTabWidget* pages = grid->UnitPageControl;
    for (int tab = 0; tab < pages->count(); ++tab)
        if (pages->isTabVisible(tab))
            out.push_back(pages->tabText(tab).toStdString());
    return out;
}

std::vector<int> visibleBoxCounts(const TStackingPortUitForm* grid)
{
    std::vector<int> out;
    const QTabWidget* pages = grid->UnitPageControl;
    for (int tab = 0; tab < pages->count(); ++tab) {
        if (!pages->isTabVisible(tab))
            continue;
        int shown = 0;
        for (const QCheckBox* box : pages->widget(tab)->findChildren<QCheckBox*>())
            shown += box->isHidden() ? 0 : 1;
        out.push_back(shown);
    }
    return out;
}

void snapshot(QWidget* window, const std::string& name)
{
    trqtest::saveScreenshot(window, QString::fromStdString(name));
    EXPECT_EQ(trqtest::clippedLabels(window), "") << name;
}

} // namespace wintest

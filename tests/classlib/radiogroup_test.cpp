// The radio group's columns: buttons fill the first column from the top, then the next.
#include "classlib/radiogroup.h"

#include <QAbstractButton>
#include <QGridLayout>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, int>> Cells(const TRadioGroup& group)
{
    auto* grid = qobject_cast<QGridLayout*>(group.layout());
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < group.Items().size(); ++i) {
        int row = -1, column = -1, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(group.Group()->button(i)), &row, &column, &rows, &columns);
        cells.emplace_back(row, column);
    }
    return cells;
}

TEST(RadioGroup, ColumnsAreFilledFromTheTopOfTheFirstOne)
{
    using Cells_ = std::vector<std::pair<int, int>>;
    TRadioGroup group;
    group.SetItems({"a", "b", "c"});
    EXPECT_EQ(Cells(group), (Cells_{{0, 0}, {1, 0}, {2, 0}})); // one column by default

    group.setProperty("columns", 4); // as a form description sets it
    EXPECT_EQ(group.Columns(), 4);
    group.SetItems({"none", "stormOccurred", "stormCleared", "both"});
    EXPECT_EQ(Cells(group), (Cells_{{0, 0}, {0, 1}, {0, 2}, {0, 3}}));

    group.SetColumns(2);
    group.AddItem("e");
    EXPECT_EQ(Cells(group), (Cells_{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}}));

    group.SetColumns(0);
    EXPECT_EQ(group.Columns(), 1);
    group.SetItemIndex(4);
    EXPECT_EQ(group.ItemIndex(), 4);
    EXPECT_EQ(group.Items(), (QStringList{"none", "stormOccurred", "stormCleared", "both", "e"}));
}

} // namespace

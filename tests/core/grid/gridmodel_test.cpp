#include <gtest/gtest.h>

#include "core/grid/gridmodel.h"

namespace spectavo::grid {
namespace {

TEST(GridModel, ResizingKeepsTheCellsInsideBothSizes) {
    GridModel grid(3, 3);
    grid.setText(1, 1, "0.500");
    grid.setText(2, 2, "gone");
    grid.resize(201, 2);
    EXPECT_EQ(grid.rows(), 201);
    EXPECT_EQ(grid.text(1, 1), "0.500");
    EXPECT_EQ(grid.text(2, 2), "") << "the third column is gone";
    grid.resize(3, 3);
    EXPECT_EQ(grid.text(2, 2), "") << "a column that comes back starts empty";
    EXPECT_EQ(grid.columnWidthTwips(2), GridModel::kDefaultWidthTwips);
}

TEST(GridModel, OutOfRangeCellsReadEmptyAndRefuseWrites) {
    GridModel grid(2, 2);
    EXPECT_FALSE(grid.setText(2, 0, "x"));
    EXPECT_FALSE(grid.setText(0, -1, "x"));
    EXPECT_EQ(grid.text(-1, 0), "");
    EXPECT_EQ(grid.text(0, 5), "");
    EXPECT_TRUE(grid.rowTexts(7).empty());
    EXPECT_EQ(grid.columnWidthTwips(9), 0);
    EXPECT_FALSE(grid.rightAligned(-3));
}

TEST(GridModel, NumbersAreReadFromTheFormattedTextOnly) {
    GridModel grid(1, 6);
    grid.setText(0, 0, "   12");
    grid.setText(0, 1, "-0.0350");
    grid.setText(0, 2, "");
    grid.setText(0, 3, "1.2abc");
    grid.setText(0, 4, "Level");
    grid.setText(0, 5, "1e3 ");
    EXPECT_EQ(grid.number(0, 0), 12.0);
    EXPECT_EQ(grid.number(0, 1), -0.035);
    EXPECT_FALSE(grid.number(0, 2));
    EXPECT_FALSE(grid.number(0, 3)) << "trailing text is not a number";
    EXPECT_FALSE(grid.number(0, 4));
    EXPECT_EQ(grid.number(0, 5), 1000.0);
}

TEST(GridModel, TheCurrentCellAndSelectionStayOutOfTheHeaders) {
    GridModel grid(5, 4);
    grid.setFixed(1, 1);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_FALSE(grid.setCurrentCell(0, 2)) << "a header cell";
    EXPECT_TRUE(grid.setCurrentCell(4, 3));
    grid.resize(3, 4);
    EXPECT_EQ(grid.currentRow(), 1) << "a current cell that left the table moves back to the first";
    grid.selectRow(0);
    EXPECT_EQ(grid.selectedRow(), -1);
    grid.selectRow(2);
    EXPECT_EQ(grid.selectedRow(), 2);
    grid.resize(2, 4);
    EXPECT_EQ(grid.selectedRow(), -1);
    grid.resize(1, 4);
    EXPECT_EQ(grid.currentRow(), -1) << "only headers: no current cell";
}

TEST(GridModel, ListenersHearCellChangesAndShapeChanges) {
    GridModel grid(2, 2);
    std::vector<std::pair<int, int>> heard;
    grid.setChangeListener([&](int r, int c) { heard.emplace_back(r, c); });
    grid.setText(1, 0, "a");
    grid.setText(5, 0, "refused");
    grid.resize(3, 2);
    grid.setColumnWidthTwips(1, 2000);
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{1, 0}, {-1, -1}, {-1, -1}}));
    EXPECT_EQ(grid.columnWidthTwips(1), 2000);
}

TEST(GridModel, ACopyKeepsTheCellsButNotTheListener) {
    GridModel grid(1, 1);
    int heard = 0;
    grid.setChangeListener([&](int, int) { ++heard; });
    GridModel copy = grid;
    copy.setText(0, 0, "copy");
    EXPECT_EQ(heard, 0) << "the original's control must not hear changes to a copy";
    copy = grid;
    copy.setText(0, 0, "again");
    EXPECT_EQ(heard, 0);
    EXPECT_EQ(grid.text(0, 0), "");
}

} // namespace
} // namespace spectavo::grid

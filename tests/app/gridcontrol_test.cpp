#include <QHeaderView>

#include <gtest/gtest.h>

#include "app/widgets/gridcontrol.h"

namespace spectavo::app {
namespace {

grid::GridModel sampleTable() {
    grid::GridModel grid(4, 3);
    grid.setFixed(1, 1);
    const char *cells[4][3] = {
        {"No.", "Conc.", "Abs"}, {"1", "0.10", "0.052"}, {"2", "0.20", "0.104"}, {"3", "", ""}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            grid.setText(r, c, cells[r][c]);
    grid.setRightAligned(2, true);
    grid.setColumnWidthTwips(2, 1440);
    return grid;
}

TEST(GridControl, FixedRowAndColumnBecomeTheHeaders) {
    grid::GridModel grid = sampleTable();
    CGridControl control(grid);
    QAbstractItemModel *shown = control.model();
    ASSERT_EQ(shown->rowCount(), 3);
    ASSERT_EQ(shown->columnCount(), 2);
    EXPECT_EQ(shown->headerData(1, Qt::Horizontal).toString(), "Abs");
    EXPECT_EQ(shown->headerData(2, Qt::Vertical).toString(), "3");
    EXPECT_EQ(shown->index(1, 1).data().toString(), "0.104");
    EXPECT_TRUE(shown->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_FALSE(shown->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_EQ(control.columnWidth(1), control.logicalDpiX()) << "1440 twips are one inch";
}

TEST(GridControl, TheModelStaysTheSourceOfTruth) {
    grid::GridModel grid = sampleTable();
    CGridControl control(grid);
    QAbstractItemModel *shown = control.model();
    grid.setText(3, 2, "0.156");
    EXPECT_EQ(shown->index(2, 1).data().toString(), "0.156") << "a change in the model shows at once";
    EXPECT_FALSE(shown->setData(shown->index(0, 0), "9", Qt::EditRole)) << "read-only by default";
    control.setEditable(true);
    EXPECT_TRUE(shown->setData(shown->index(2, 0), "0.30", Qt::EditRole));
    EXPECT_EQ(grid.text(3, 1), "0.30") << "an edit goes straight into the model";
    grid.resize(6, 3);
    EXPECT_EQ(shown->rowCount(), 5);
}

TEST(GridControl, CurrentCellAndRowSelectionReachTheModel) {
    grid::GridModel grid = sampleTable();
    CGridControl control(grid);
    control.setCurrentIndex(control.model()->index(2, 1));
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.currentColumn(), 2);
    emit control.verticalHeader()->sectionClicked(1);
    EXPECT_EQ(grid.selectedRow(), 2);
}

TEST(GridControl, ATableThatOutlivesItsControlHasNoDanglingListener) {
    grid::GridModel grid = sampleTable();
    { CGridControl control(grid); }
    EXPECT_TRUE(grid.setText(1, 1, "safe"));
}

} // namespace
} // namespace spectavo::app

// Texts the operator must read whole: dialog titles beside the title bar's buttons, grid headings.
// The German run of the same checks is in the German desktop test.
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QHeaderView>

#include <gtest/gtest.h>

#include "app/shell/logindialog.h"
#include "app/widgets/gridcontrol.h"
#include "app/widgets/titlefit.h"
#include "core/grid/gridmodel.h"

namespace spectavo::app {
namespace {

// The title in a bold face, with room for a window manager's buttons and icon.
int titleNeed(const QWidget &window) {
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 100;
}

TEST(TextFit, ADialogIsWideEnoughForItsTitle) {
    installDialogTitleFit();
    CLoginDialog login;
    login.show();
    QApplication::processEvents();
    EXPECT_GE(login.width(), titleNeed(login)) << login.windowTitle().toStdString();

    QDialog small;
    small.setWindowTitle("Instrument Validity Measurement");
    small.resize(120, 80);
    small.show();
    QApplication::processEvents();
    EXPECT_GE(small.width(), titleNeed(small)) << "a small dialog widens to its title";
}

TEST(TextFit, AGridColumnIsNeverNarrowerThanItsHeading) {
    grid::GridModel model(3, 3);
    model.setFixed(1, 1);
    model.setText(0, 1, "DNA (ug/ml)");
    model.setText(0, 2, "x");
    model.setColumnWidthTwips(1, 300); // far too narrow for its heading
    model.setColumnWidthTwips(2, 1200);
    CGridControl grid(model);
    grid.show();
    QApplication::processEvents();
    const int heading = grid.horizontalHeader()->fontMetrics().horizontalAdvance("DNA (ug/ml)");
    EXPECT_GE(grid.columnWidth(0), heading);
    EXPECT_EQ(grid.columnWidth(1), grid.twipsToPixels(1200)) << "a wide enough column keeps its width";
}

} // namespace
} // namespace spectavo::app

// A fixed-wavelength table: deleting rows, the Modify row, the photometric conversion through the
// cells' text, the text export, and the full table.

#include <gtest/gtest.h>

#include "core/config/atomicfile.h"
#include "core/fixed/sampletable.h"
#include "support/tempdir.h"

namespace spectavo::fixed {
namespace {

// A sample table laid out for two wavelengths with `rows` rows "S1", "S2", ... of value 0.1 * k.
SampleTable tableWithRows(int rows, bool standard = false) {
    SampleTable table(standard);
    FixedMethodRecord method;
    method.count = 2;
    method.wavelengths[0] = 260.0f;
    method.wavelengths[1] = 280.0f;
    table.layoutFixedPoints(method, true);
    for (int row = 0; row < rows; ++row) {
        const float values[] = {0.1f * static_cast<float>(row + 1), 1.0f};
        table.writeMeasuredRow(row, "S" + std::to_string(row + 1), values, true);
    }
    return table;
}

TEST(SampleTableLayout, HasAHeaderRowNamesAndOneColumnPerWavelength) {
    const SampleTable table = tableWithRows(0, true);
    EXPECT_EQ(table.grid().rows(), 201);
    EXPECT_EQ(table.grid().columns(), 3);
    EXPECT_EQ(table.grid().rowTexts(0), (std::vector<std::string>{"Sample name", "260.0nm", "280.0nm"}));
    EXPECT_EQ(table.grid().text(1, 0), "Standard-1");
    EXPECT_EQ(table.grid().text(200, 0), "Standard-200");
    EXPECT_EQ(table.grid().columnWidthTwips(0), 1700);
    EXPECT_TRUE(table.grid().rightAligned(2));
    EXPECT_FALSE(table.grid().rightAligned(0));
}

// Laying the table out for another method keeps every measured cell with its wavelength.
class SampleTableRelayout : public ::testing::Test {
protected:
    SampleTableRelayout() {
        method.count = 3;
        method.wavelengths[0] = 260.0f;
        method.wavelengths[1] = 280.0f;
        method.wavelengths[2] = 320.0f;
        layout();
        for (int row = 0; row < 3; ++row) {
            const float values[] = {1.0f + row, 2.0f + row, 3.0f + row};
            table.writeMeasuredRow(row, "S" + std::to_string(row + 1), values, true);
        }
    }
    void layout(int resultColumns = 0) {
        table.relayout([&] {
            table.layoutFixedPoints(method, false, resultColumns);
            if (resultColumns > 0)
                table.grid().setText(0, method.count + 1, "Abs(eff)");
        });
    }
    std::vector<std::string> column(int index) const {
        return {table.grid().text(1, index), table.grid().text(2, index), table.grid().text(3, index)};
    }

    FixedMethodRecord method;
    SampleTable table;
};

// Typing "12" as the count passes through "1": the columns of 280 and 320 nm come back.
TEST_F(SampleTableRelayout, ACountThatPassesThroughOneLosesNoColumn) {
    method.count = 1;
    layout();
    EXPECT_EQ(table.grid().columns(), 2);
    method.count = 12;
    layout();
    EXPECT_EQ(column(1), (std::vector<std::string>{"1.0000", "2.0000", "3.0000"}));
    EXPECT_EQ(column(2), (std::vector<std::string>{"2.0000", "3.0000", "4.0000"}));
    EXPECT_EQ(column(3), (std::vector<std::string>{"3.0000", "4.0000", "5.0000"}));
    EXPECT_EQ(column(4), (std::vector<std::string>{"", "", ""})) << "260 nm again, but a column of its own";
}

TEST_F(SampleTableRelayout, CellsFollowTheirWavelengthNotTheirPlace) {
    std::swap(method.wavelengths[0], method.wavelengths[2]);
    layout();
    EXPECT_EQ(column(1), (std::vector<std::string>{"3.0000", "4.0000", "5.0000"}));
    EXPECT_EQ(column(3), (std::vector<std::string>{"1.0000", "2.0000", "3.0000"}));
    method.wavelengths[1] = 500.0f;
    layout();
    EXPECT_EQ(column(2), (std::vector<std::string>{"", "", ""})) << "a new wavelength starts empty";
    method.wavelengths[1] = 280.0f;
    layout();
    EXPECT_EQ(column(2), (std::vector<std::string>{"2.0000", "3.0000", "4.0000"}));
}

TEST_F(SampleTableRelayout, ResultColumnsSurviveBeingSwitchedOffAndOn) {
    layout(2);
    table.grid().setText(1, 4, "0.5000");
    layout(0);
    EXPECT_EQ(table.grid().columns(), 4);
    layout(2);
    EXPECT_EQ(table.grid().text(1, 4), "0.5000");
}

// Rows deleted or the photometric mode switched while a column is aside: it returns in line with its
// names and in the mode of the table.
TEST_F(SampleTableRelayout, AColumnAsideFollowsDeletedRowsAndTheMode) {
    method.count = 2;
    layout();
    ASSERT_TRUE(table.deleteRows(1, 1));
    table.switchPhotometricMode(false, method.count);
    method.count = 3;
    layout();
    EXPECT_EQ(table.grid().text(1, 0), "S2");
    EXPECT_EQ(column(3), (std::vector<std::string>{"0.01", "0.00", ""})) << "4.0 and 5.0 A as T%";
    table.clearData();
    method.count = 2;
    layout();
    method.count = 3;
    layout();
    EXPECT_EQ(column(3), (std::vector<std::string>{"", "", ""})) << "a new document keeps nothing aside";
}

TEST(SampleTableDelete, MovesLaterRowsUpAndKeepsTheRest) {
    SampleTable table = tableWithRows(5);
    ASSERT_TRUE(table.deleteRows(2, 3));
    EXPECT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.grid().text(1, 0), "S1");
    EXPECT_EQ(table.grid().text(2, 0), "S4");
    EXPECT_EQ(table.grid().text(3, 0), "S5");
    EXPECT_EQ(table.grid().text(3, 1), "0.5000");
    EXPECT_EQ(table.grid().text(4, 1), "");
    EXPECT_EQ(table.grid().text(5, 1), "");
    EXPECT_EQ(table.grid().text(0, 0), "Sample name");
}

TEST(SampleTableDelete, ASelectionPastTheEndStopsAtTheLastRowAndOneBelowItChangesNothing) {
    SampleTable table = tableWithRows(3);
    ASSERT_TRUE(table.deleteRows(2, 50));
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.grid().text(1, 0), "S1");
    EXPECT_EQ(table.grid().text(2, 1), "");
    EXPECT_FALSE(table.deleteRows(5, 7));
    EXPECT_EQ(table.rowCount(), 1);
}

TEST(SampleTableDelete, ASelectionFromTheHeaderKeepsTheHeader) {
    SampleTable table = tableWithRows(3);
    ASSERT_TRUE(table.deleteRows(0, 1));
    EXPECT_EQ(table.grid().text(0, 0), "Sample name");
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.grid().text(1, 0), "S2");
}

TEST(SampleTableDelete, AFullTableStaysInsideItsRowsAndPresetsMoveWithTheirRows) {
    SampleTable table = tableWithRows(200, true);
    table.setRowCount(150);
    table.setPreset(150, true); // a standard preset for the row after the measured ones
    table.grid().setText(151, 0, "Preset standard");
    ASSERT_TRUE(table.deleteRows(10, 109)); // 100 rows: the old loop read far past row 200
    EXPECT_EQ(table.rowCount(), 50);
    EXPECT_EQ(table.grid().text(10, 0), "S110");
    EXPECT_EQ(table.grid().text(51, 0), "Preset standard");
    EXPECT_TRUE(table.preset(50));
    EXPECT_FALSE(table.preset(150));
    EXPECT_EQ(table.grid().text(100, 0), "S200");
    EXPECT_EQ(table.grid().text(101, 0), "");
    EXPECT_EQ(table.grid().text(200, 0), "");
    EXPECT_EQ(table.grid().rows(), 201);
}

TEST(SampleTableModify, TakesTheFirstSelectedDataRowOnly) {
    const SampleTable table = tableWithRows(3);
    EXPECT_EQ(table.rowToModify(1), 0);
    EXPECT_EQ(table.rowToModify(3), 2);
    EXPECT_FALSE(table.rowToModify(0)); // the header
    EXPECT_FALSE(table.rowToModify(4)); // below the data
    EXPECT_FALSE(tableWithRows(0).rowToModify(1));
}

TEST(SampleTablePhotometricMode, ValuesPassThroughTheirText) {
    SampleTable table = tableWithRows(2);
    table.grid().setText(1, 1, "1.5000");
    table.grid().setText(2, 1, "1.2345");
    table.grid().setText(2, 2, "n/a");
    table.switchPhotometricMode(false, 2);
    EXPECT_EQ(table.grid().text(1, 1), "3.16");
    EXPECT_EQ(table.grid().text(2, 1), "5.83");
    EXPECT_EQ(table.grid().text(2, 2), "n/a");
    table.switchPhotometricMode(true, 2);
    EXPECT_EQ(table.grid().text(1, 1), "1.5003");
    EXPECT_EQ(table.grid().text(2, 1), "1.2343");
    EXPECT_EQ(table.grid().text(2, 2), "n/a");

    table.grid().setText(1, 2, "0.00");
    table.switchPhotometricMode(true, 2);
    EXPECT_EQ(table.grid().text(1, 2), "5.0000");
}

TEST(SampleTablePhotometricMode, TouchesOnlyTheWavelengthColumnsOfTheRowsInUse) {
    SampleTable table = tableWithRows(1);
    table.grid().setText(2, 1, "0.5000"); // a row not in use
    table.switchPhotometricMode(false, 1);
    EXPECT_EQ(table.grid().text(1, 1), "79.43");
    EXPECT_EQ(table.grid().text(1, 2), "1.0000");
    EXPECT_EQ(table.grid().text(2, 1), "0.5000");
}

TEST(SampleTableExport, WritesTheHeaderAndTheRowsInTwentyCharacterFields) {
    test::TempDir dir;
    const SampleTable empty = tableWithRows(0);
    const std::string header = "         Sample name             260.0nm             280.0nm\r\n";
    EXPECT_EQ(empty.exportText(), header);
    SampleTable table = tableWithRows(1);
    table.grid().setText(1, 0, "A name longer than twenty characters");
    ASSERT_TRUE(table.exportText(dir.file("table.txt")));
    EXPECT_EQ(readTextFile(dir.file("table.txt")).text,
              header + "A name longer than twenty characters              0.1000              1.0000\r\n");
    EXPECT_FALSE(table.exportText(dir.file("no/such/folder/table.txt")));
}

TEST(SampleTableMeasuredRow, AppendsClearsThePresetAndConvertsForTransmittance) {
    SampleTable table = tableWithRows(0, true);
    table.setPreset(0, true);
    const float values[] = {1.0f, 2.0f};
    table.writeMeasuredRow(0, std::string(120, 'x'), values, false);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_TRUE(table.modified());
    EXPECT_FALSE(table.preset(0));
    EXPECT_EQ(table.grid().text(1, 0).size(), SampleTable::kMaxNameLength);
    EXPECT_EQ(table.grid().text(1, 1), "10.00");
    EXPECT_EQ(table.grid().text(1, 2), "1.00");
    table.writeMeasuredRow(0, "again", values, true); // Modify: the count stays
    EXPECT_EQ(table.rowCount(), 1);
}

TEST(SampleTableMeasuredRow, AFullTableSaysSo) {
    SampleTable table = tableWithRows(200);
    EXPECT_TRUE(table.full());
    EXPECT_EQ(table.rowCount(), 200);
    EXPECT_FALSE(tableWithRows(199).full());
}

} // namespace
} // namespace spectavo::fixed

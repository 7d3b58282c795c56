// Mapping grid model: cell texts by column, nulls, row choice and default column widths.
#include "mappings/grid_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "table_fixture.h"

namespace mappings {
namespace {

using Strings = std::vector<std::string>;

Strings RowTexts(const GridModel& grid, int row) {
  Strings texts;
  for (int column = 0; column < GridModel::ColumnCount(); ++column) {
    texts.push_back(grid.CellText(row, column));
  }
  return texts;
}

struct GridModelTest : ::testing::Test {
  MemoryData table{"RxMemoryData1"};
  GridModel grid{table};

  void AddProbedRecord() {
    table.Append();
    table.Assign("HostName", "fileserver");
    table.Assign("Connected", true);
    table.Assign("FalseCount", 3);
    table.Assign("MaxPing", 5);
    table.Assign("UserName", "user");
    table.Assign("Password", "secret");
    table.Assign("Drive", "Y:");
    table.Assign("UNC", "public\\docs");
    table.Assign("Maped", false);
    table.Post();
  }
};

TEST_F(GridModelTest, ColumnsShowTheirFieldsAndNullsAsEmptyCells) {
  AddProbedRecord();
  testing::AddHosts(table, {"fresh"});  // loaded, never probed: Connected and Maped null
  table.Append();                       // added with nothing typed
  table.Assign("Drive", "Y:");
  table.Post();

  ASSERT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(RowTexts(grid, 0), (Strings{"fileserver", "True", "3", "Y:", "public\\docs", "False"}));
  EXPECT_EQ(RowTexts(grid, 1), (Strings{"fresh", "", "0", "", "", ""}));
  EXPECT_EQ(RowTexts(grid, 2), (Strings{"", "", "", "Y:", "", ""}));
}

TEST_F(GridModelTest, ReadingCellsLeavesTheCursorAndShowsPostedValuesOnly) {
  testing::AddHosts(table, {"a", "b", "c"});
  table.SetRecNo(2);
  table.Edit();
  table.Assign("HostName", "typing");
  EXPECT_EQ(grid.CellText(1, 0), "b");
  EXPECT_EQ(grid.CellText(0, 0), "a");
  EXPECT_EQ(grid.CellText(2, 0), "c");
  table.Post();
  EXPECT_EQ(table.RecNo(), 2);
  EXPECT_EQ(grid.CellText(1, 0), "typing");

  EXPECT_THROW(grid.CellText(3, 0), std::out_of_range);
  EXPECT_THROW(grid.CellText(-1, 0), std::out_of_range);
  EXPECT_THROW(grid.CellText(0, 6), std::out_of_range);
}

TEST_F(GridModelTest, ChoosingARowMakesItsRecordCurrent) {
  EXPECT_EQ(grid.CurrentRow(), -1);
  testing::AddHosts(table, {"a", "b", "c"});
  EXPECT_EQ(grid.CurrentRow(), 2);
  grid.SelectRow(0);
  EXPECT_EQ(table.RecNo(), 1);
  EXPECT_EQ(grid.CurrentRow(), 0);
  grid.SelectRow(3);
  grid.SelectRow(-1);
  EXPECT_EQ(grid.CurrentRow(), 0);
}

// Every character as wide as `char_width`, except "0".
class FixedMeasurer final : public TextMeasurer {
 public:
  FixedMeasurer(int zero_width, int char_width) : zero_(zero_width), char_(char_width) {}
  int TextWidth(std::string_view text) const override {
    return text == "0" ? zero_ : static_cast<int>(text.size()) * char_;
  }

 private:
  int zero_;
  int char_;
};

struct WidthCase {
  int zero_width;
  int char_width;
  std::vector<int> widths;  // of the six columns
};

class ColumnWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ColumnWidthTest, DefaultColumnsTakeTheWiderOfDigitsAndTitle) {
  const FixedMeasurer measurer(GetParam().zero_width, GetParam().char_width);
  std::vector<int> widths;
  for (const GridColumn& column : kGridColumns) widths.push_back(ColumnWidth(column, measurer));
  EXPECT_EQ(widths, GetParam().widths);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, ColumnWidthTest,
    ::testing::Values(
        // "On": 5 digits win; "Drive": the title (5 x 5) beats 2 digits; "Maped": digits.
        WidthCase{6, 5, {86, 34, 15, 29, 216, 34}},
        // Narrow digits: every title wins.
        WidthCase{2, 6, {86, 16, 15, 34, 216, 34}},
        // Wide digits: every digit width wins.
        WidthCase{10, 3, {86, 54, 15, 24, 216, 54}}));

}  // namespace
}  // namespace mappings

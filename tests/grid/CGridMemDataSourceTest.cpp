#include "CGridMemDataSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StoredTexts.h"

namespace {

using Texts = std::vector<std::string>;

// Column `column` of rows 0..count-1, top to bottom.
Texts Column(CGridMemDataSource& store, int column, int count) {
    Texts texts;
    for (int row = 0; row < count; ++row) {
        texts.push_back(TextAt(store, column, row));
    }
    return texts;
}

// A column table of `count` columns, each stored in `store` under its own index.
std::vector<CGridColumnEntry> ColumnTable(CGridDataSource* store, int count) {
    std::vector<CGridColumnEntry> columns(count);
    for (int index = 0; index < count; ++index) {
        columns[index].m_pDataSource = store;
        columns[index].m_nDataSourceColumn = index;
    }
    return columns;
}

}  // namespace

TEST(CGridMemDataSource, StoreIsSparseAtTheEndsAndWritingFillsTheGap) {
    CGridMemDataSource store;
    EXPECT_EQ(store.GetLastRow(), -1);
    Put(store, 3, 5, "far");
    EXPECT_EQ(TextAt(store, 3, 5), "far");
    EXPECT_EQ(TextAt(store, 0, 0), "-") << "rows made on the way hold no cells";
    EXPECT_EQ(TextAt(store, 4, 5), "-");
    EXPECT_EQ(TextAt(store, 3, 6), "-");
    EXPECT_EQ(store.GetLastRow(), 5);
}

TEST(CGridMemDataSource, ReadMergesTheStoredCellOverTheCallersDefaults) {
    CGridMemDataSource store;
    CGridCell stored = CGridCell::Blank();
    stored.SetText("x");
    stored.SetAlignment(CGridCell::kAlignRight);
    stored.SetNumber(4.5);
    stored.SetExtraData({7, 8});
    store.SetCell(0, 0, stored);
    stored.SetText("changed afterwards");

    CGridCell cell;
    cell.SetLabel("default label");
    ASSERT_EQ(store.GetCell(0, 0, cell), 0);
    EXPECT_EQ(cell.GetNumber(), 4.5);
    EXPECT_EQ(cell.GetAlignment(), CGridCell::kAlignRight);
    EXPECT_EQ(cell.GetLabel(), "default label");
    EXPECT_EQ(cell.GetExtraData(), (std::vector<uint8_t>{7, 8}));
    EXPECT_EQ(cell.GetDataType(), CGridCell::kTypeNumber) << "the store kept its own copy";
}

TEST(CGridMemDataSource, HeadingCellsAreKeptApartFromTheData) {
    CGridMemDataSource store;
    Put(store, 2, -1, "heading");
    Put(store, -1, 4, "row label");
    Put(store, -1, -1, "corner");
    EXPECT_EQ(TextAt(store, 2, -1), "heading");
    EXPECT_EQ(TextAt(store, -1, 4), "row label");
    EXPECT_EQ(TextAt(store, -1, -1), "corner");
    EXPECT_EQ(store.GetLastRow(), 4);
}

TEST(CGridMemDataSource, InsertAndDeleteRowsShiftTheRowsBelowWithTheirLabels) {
    CGridMemDataSource store;
    for (int row = 0; row < 3; ++row) {
        Put(store, 0, row, "r" + std::to_string(row));
        Put(store, -1, row, "label" + std::to_string(row));
    }
    EXPECT_EQ(store.InsertRow(1), 0);
    EXPECT_EQ(Column(store, 0, 4), (Texts{"r0", "-", "r1", "r2"}));
    EXPECT_EQ(TextAt(store, -1, 2), "label1");
    EXPECT_EQ(store.InsertRow(4), 1) << "only before an existing row";

    EXPECT_EQ(store.DeleteRow(0), 0);
    EXPECT_EQ(Column(store, 0, 3), (Texts{"-", "r1", "r2"}));
    EXPECT_EQ(store.DeleteRow(10), 0) << "deleting a missing row still answers 0";
    EXPECT_EQ(store.GetLastRow(), 2);
}

TEST(CGridMemDataSource, InsertColumnShiftsCellsHeadingsAndLaterDataSourceColumns) {
    CGridMemDataSource probe;
    std::vector<CGridColumnEntry> columns;
    CGridMemDataSource store(&CGridCell::Compare, &columns);
    columns = ColumnTable(&store, 3);
    columns.push_back({});
    columns.back().m_pDataSource = &probe;  // kept elsewhere: never renumbered
    columns.back().m_nDataSourceColumn = 2;
    for (int column = 0; column < 3; ++column) {
        Put(store, column, 0, "c" + std::to_string(column));
        Put(store, column, -1, "H" + std::to_string(column));
    }
    Put(store, 0, 1, "short row");

    EXPECT_EQ(store.InsertColumn(1), 0);
    EXPECT_EQ(TextAt(store, 1, 0), "-");
    EXPECT_EQ(TextAt(store, 2, 0), "c1");
    EXPECT_EQ(TextAt(store, 3, -1), "H2") << "headings move with their column";
    EXPECT_EQ(TextAt(store, 0, 1), "short row") << "rows not reaching the column are left";
    EXPECT_EQ(columns[0].m_nDataSourceColumn, 0);
    EXPECT_EQ(columns[1].m_nDataSourceColumn, 2);
    EXPECT_EQ(columns[2].m_nDataSourceColumn, 3);
    EXPECT_EQ(columns[3].m_nDataSourceColumn, 2);
    // Every grid column still shows the cell it showed before.
    for (int column = 1; column < 3; ++column) {
        EXPECT_EQ(TextAt(store, columns[column].m_nDataSourceColumn, 0),
                  "c" + std::to_string(column));
    }
}

TEST(CGridMemDataSource, DeleteColumnShiftsLaterCellsAndRenumbersTheTable) {
    std::vector<CGridColumnEntry> columns;
    CGridMemDataSource store(&CGridCell::Compare, &columns);
    columns = ColumnTable(&store, 3);
    for (int column = 0; column < 3; ++column) {
        Put(store, column, 0, "c" + std::to_string(column));
    }
    Put(store, 0, 1, "a");
    Put(store, 1, 1, "last of its row");

    EXPECT_EQ(store.DeleteColumn(1), 0);
    EXPECT_EQ(TextAt(store, 1, 0), "c2");
    EXPECT_EQ(TextAt(store, 2, 0), "-");
    EXPECT_EQ(TextAt(store, 1, 1), "-") << "the last cell of a row is deleted in place";
    EXPECT_EQ(TextAt(store, 0, 1), "a");
    EXPECT_EQ(columns[2].m_nDataSourceColumn, 1);
    EXPECT_EQ(TextAt(store, columns[2].m_nDataSourceColumn, 0), "c2");
}

TEST(CGridMemDataSource, DeleteCellAndEmpty) {
    CGridMemDataSource store;
    Put(store, 0, 0, "a");
    Put(store, 1, 0, "b");
    EXPECT_EQ(store.DeleteCell(0, 0), 0);
    EXPECT_EQ(store.DeleteCell(0, 0), 1);
    EXPECT_EQ(TextAt(store, 1, 0), "b");
    EXPECT_EQ(store.Empty(), 0);
    EXPECT_EQ(store.GetLastRow(), -1);
    EXPECT_EQ(TextAt(store, 1, 0), "-");
}

TEST(CGridMemDataSource, PreviousNonBlankColumnSkipsEmptyTextsAndTheStartColumn) {
    CGridMemDataSource store;
    Put(store, 0, 0, "text");
    CGridCell number = CGridCell::Blank();
    number.SetNumber(5);
    store.SetCell(1, 0, number);
    Put(store, 2, 0, "start");

    int column = 2;
    EXPECT_EQ(store.GetPreviousNonBlankColumn(column, 0), 0);
    EXPECT_EQ(column, 0) << "a number cell has no text of its own";
    column = 9;
    EXPECT_EQ(store.GetPreviousNonBlankColumn(column, 0), 0);
    EXPECT_EQ(column, 2) << "a short row starts from its last cell";
    column = 0;
    EXPECT_EQ(store.GetPreviousNonBlankColumn(column, 0), 1);
    EXPECT_EQ(store.GetPreviousNonBlankColumn(column, 3), 1);
}

class CGridMemDataSourceSort : public testing::Test {
  protected:
    // Rows of (key, tag): the key in column 0, a tag naming the row in column 1.
    void Fill(const std::vector<std::pair<std::string, std::string>>& rows) {
        for (size_t row = 0; row < rows.size(); ++row) {
            if (!rows[row].first.empty()) {
                Put(store, 0, static_cast<int>(row), rows[row].first);
            }
            Put(store, 1, static_cast<int>(row), rows[row].second);
        }
        count = static_cast<int>(rows.size());
    }
    Texts Tags() { return Column(store, 1, count); }

    CGridMemDataSource store;
    int count = 0;
};

TEST_F(CGridMemDataSourceSort, EqualKeysKeepTheirOrder) {
    Fill({{"b", "1"}, {"a", "2"}, {"b", "3"}, {"a", "4"}, {"b", "5"}});
    EXPECT_EQ(store.SortByColumn(0, 0), 0);
    EXPECT_EQ(Tags(), (Texts{"2", "4", "1", "3", "5"}));
    EXPECT_EQ(store.SortByColumn(0, CGridCell::kSortDescending), 0);
    EXPECT_EQ(Tags(), (Texts{"1", "3", "5", "2", "4"})) << "ties stay in order descending too";
}

TEST_F(CGridMemDataSourceSort, RowsWithoutAKeyCellGoLastAndLaterKeysBreakTies) {
    Fill({{"", "none"}, {"b", "y"}, {"a", "z"}, {"b", "x"}});
    const int keys[] = {0, 1};
    EXPECT_EQ(store.SortByColumns(keys, 0), 0);
    EXPECT_EQ(Tags(), (Texts{"z", "x", "y", "none"}));
}

TEST_F(CGridMemDataSourceSort, ManyRowsSortLikeAStableSort) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int row = 0; row < 500; ++row) {
        rows.push_back({std::to_string((row * 37) % 11), std::to_string(row)});
    }
    Fill(rows);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    EXPECT_EQ(store.SortByColumn(0, 0), 0);
    Texts expected;
    for (const auto& row : rows) {
        expected.push_back(row.second);
    }
    EXPECT_EQ(Tags(), expected);
}

TEST(CGridMemDataSourceSortEmpty, NothingToSortAnswersOne) {
    CGridMemDataSource store;
    EXPECT_EQ(store.SortByColumn(0, 0), 1);
}

class CGridMemDataSourceFind : public testing::Test {
  protected:
    // . . .
    // . Ab .
    // ab . AB
    void SetUp() override {
        Put(store, 1, 1, "Ab");
        Put(store, 0, 2, "ab");
        Put(store, 2, 2, "AB");
        Put(store, 2, 0, "xyz");
    }
    // The (column, row) of the next match from the start, or (-9, -9).
    std::pair<int, int> Next(int column, int row, int flags, const std::string& text = "ab") {
        if (store.FindNext(text, column, row, flags) != 0) {
            return {-9, -9};
        }
        return {column, row};
    }

    CGridMemDataSource store;
};

TEST_F(CGridMemDataSourceFind, DownTheColumnWrapsFromTheLastRowToRowZero) {
    const int ignoreCase = CGridDataSource::kFindIgnoreCase;
    EXPECT_EQ(Next(2, 2, ignoreCase), std::make_pair(2, 2)) << "the start cell comes last";
    EXPECT_EQ(Next(2, 2, 0, "xyz"), std::make_pair(2, 0));
    Put(store, 2, 1, "aB");
    EXPECT_EQ(Next(2, 2, ignoreCase), std::make_pair(2, 1));
    EXPECT_EQ(Next(0, 2, 0), std::make_pair(0, 2)) << "a lone match is found on wrapping";
    EXPECT_EQ(Next(2, 0, CGridDataSource::kFindBackwards | ignoreCase), std::make_pair(2, 2));
}

TEST_F(CGridMemDataSourceFind, AlongTheRowVisitsEveryCellBothWays) {
    const int alongRow = CGridDataSource::kFindAlongRow;
    const int ignoreCase = CGridDataSource::kFindIgnoreCase;
    EXPECT_EQ(Next(1, 1, alongRow | ignoreCase), std::make_pair(0, 2));
    EXPECT_EQ(Next(0, 2, alongRow | ignoreCase), std::make_pair(2, 2));
    EXPECT_EQ(Next(2, 2, alongRow | ignoreCase), std::make_pair(1, 1)) << "wraps to row 0";
    EXPECT_EQ(Next(1, 1, alongRow | ignoreCase | CGridDataSource::kFindBackwards),
              std::make_pair(2, 2));
    EXPECT_EQ(Next(0, 0, alongRow, "xyz"), std::make_pair(2, 0));
}

TEST_F(CGridMemDataSourceFind, WholeTextCaseAndPartMatching) {
    EXPECT_EQ(Next(0, 0, CGridDataSource::kFindAlongRow, "AB"), std::make_pair(2, 2));
    EXPECT_EQ(Next(0, 0, CGridDataSource::kFindAlongRow, "y"), std::make_pair(-9, -9));
    EXPECT_EQ(Next(0, 0, CGridDataSource::kFindAlongRow | CGridDataSource::kFindPartOfText, "y"),
              std::make_pair(2, 0));
}

TEST_F(CGridMemDataSourceFind, FindFirstStartsAtTheTop) {
    int column = 1;
    int row = 1;
    EXPECT_EQ(store.FindFirst("Ab", column, row, 0), 0);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(1, 1));
    EXPECT_EQ(store.FindFirst("ab", column, row,
                              CGridDataSource::kFindAlongRow | CGridDataSource::kFindIgnoreCase),
              0);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(1, 1)) << "row 1 comes before row 2";
    EXPECT_EQ(store.FindFirst("ab", column, row,
                              CGridDataSource::kFindAlongRow | CGridDataSource::kFindIgnoreCase |
                                  CGridDataSource::kFindBackwards),
              0);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(2, 2)) << "backwards from the end";
}

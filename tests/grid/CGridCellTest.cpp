#include "CGridCell.h"

#include <gtest/gtest.h>
#include <wx/settings.h>

#include <clocale>

#include "GuiTest.h"

namespace {

CGridCell TextCell(const std::string& text) {
    CGridCell cell;
    cell.SetText(text);
    return cell;
}

CGridCell NumberCell(double number) {
    CGridCell cell;
    cell.SetNumber(number);
    return cell;
}

}  // namespace

TEST(CGridCell, ClearedCellHasTheResetMaskAndReadsItsDefaults) {
    CGridCell cell;
    EXPECT_EQ(cell.GetMask(), 0x8788u);
    EXPECT_EQ(cell.GetDataType(), CGridCell::kTypeText);
    EXPECT_EQ(cell.GetAlignment(), CGridCell::kAlignLeft);
    EXPECT_EQ(cell.GetTextColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    EXPECT_EQ(cell.GetBackColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    EXPECT_EQ(cell.GetCellTypeIndex(), 0) << "reset to -1 but not marked set";
    EXPECT_EQ(cell.GetCellTypeStyle(), 0);
    EXPECT_EQ(cell.GetReservedValue(), -1);
    EXPECT_FALSE(cell.GetDisplayText().has_value());
    EXPECT_EQ(cell.GetNumber(), 0.0);

    CGridCell blank = CGridCell::Blank();
    EXPECT_EQ(blank.GetMask(), 0u);
    EXPECT_EQ(blank.GetBackColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW))
        << "an unset colour reads as the system colour";
}

TEST(CGridCell, TextSetsOrClearsTheTextBitAndMakesATextCell) {
    CGridCell cell = NumberCell(7.0);
    cell.SetText("abc");
    EXPECT_TRUE(cell.HasMask(CGridCell::kText | CGridCell::kDataType));
    EXPECT_EQ(cell.GetDataType(), CGridCell::kTypeText);
    EXPECT_EQ(cell.GetDisplayText(), "abc");

    cell = NumberCell(7.0);
    cell.SetText("");
    EXPECT_FALSE(cell.HasMask(CGridCell::kText));
    EXPECT_FALSE(cell.GetDisplayText().has_value());
    EXPECT_EQ(cell.GetNumber(), 0.0) << "a cell without text reads as 0";
}

TEST(CGridCell, NumberReadsStoredValueForNumberTypesAndParsesTextOtherwise) {
    EXPECT_EQ(NumberCell(2.5).GetNumber(), 2.5);
    EXPECT_TRUE(NumberCell(2.5).GetText().empty());
    EXPECT_EQ(TextCell("12.25").GetNumber(), 12.25);
    EXPECT_EQ(TextCell("abc").GetNumber(), 0.0);
}

TEST(CGridCell, SetBitmapWithNullClearsTheBit) {
    CGridCell cell;
    const wxBitmap bitmap(4, 4);
    cell.SetBitmap(&bitmap);
    EXPECT_EQ(cell.GetBitmap(), &bitmap);
    cell.SetBitmap(nullptr);
    EXPECT_FALSE(cell.HasMask(CGridCell::kBitmap));
}

TEST(CGridCell, FullCopyTakesTheSourceMaskWhileMergeKeepsTheTargetsOtherProperties) {
    CGridCell source = CGridCell::Blank();
    source.SetText("from source");
    source.SetExtraData({1, 2, 3});
    source.SetJoin({true, 2, 3});

    CGridCell merged;
    merged.SetLabel("kept");
    merged.SetBorderStyle(CGridCell::kBorderRaised);
    merged.MergeFrom(source);
    EXPECT_EQ(merged.GetText(), "from source");
    EXPECT_EQ(merged.GetLabel(), "kept");
    EXPECT_EQ(merged.GetBorderStyle(), CGridCell::kBorderRaised);
    EXPECT_EQ(merged.GetExtraData(), (std::vector<uint8_t>{1, 2, 3}));
    const CGridCell::Join join = merged.GetJoin();
    EXPECT_TRUE(join.bOrigin);
    EXPECT_EQ(join.nRowOffset, 2);
    EXPECT_EQ(join.nColumnOffset, 3) << "the join fields travel together";

    CGridCell copied;
    copied.SetLabel("dropped");
    copied.CopyFrom(source);
    EXPECT_EQ(copied.GetMask(), source.GetMask());
    EXPECT_EQ(copied.GetLabel(), "") << "a property the source lacks reads as its default";
    EXPECT_EQ(copied.GetAlignment(), CGridCell::kAlignLeft);
}

TEST(CGridCell, MergeCarriesTheNumberWithTheDataType) {
    CGridCell target = NumberCell(1.0);
    CGridCell colourOnly = CGridCell::Blank();
    colourOnly.SetTextColour(*wxRED);
    target.MergeFrom(colourOnly);
    EXPECT_EQ(target.GetNumber(), 1.0);
    target.MergeFrom(NumberCell(9.0));
    EXPECT_EQ(target.GetNumber(), 9.0);
}

// Conversions in the C locale: "." decimals, no grouping.
class CGridCellDataType : public testing::Test {
  protected:
    void SetUp() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CGridCellDataType, TextBecomesANumberAndLosesItsText) {
    CGridCell cell = TextCell("1234.5");
    cell.SetDataType(CGridCell::kTypeNumber);
    EXPECT_EQ(cell.GetDataType(), CGridCell::kTypeNumber);
    EXPECT_EQ(cell.GetNumber(), 1234.5);
    EXPECT_TRUE(cell.GetText().empty());
    EXPECT_EQ(cell.GetDisplayText(), "1234.5");
}

TEST_F(CGridCellDataType, SameTypeWithTheBitSetChangesNothing) {
    CGridCell cell = NumberCell(3.0);
    cell.SetDataType(CGridCell::kTypeNumber);
    EXPECT_EQ(cell.GetNumber(), 3.0);
    EXPECT_EQ(cell.GetDisplayText(), "3");
}

TEST_F(CGridCellDataType, NumberBecomesCurrencyTextWithTwoDecimals) {
    CGridCell cell = NumberCell(2.5);
    cell.SetDataType(CGridCell::kTypeCurrency);
    EXPECT_EQ(cell.GetDisplayText(), "2.50");
    EXPECT_EQ(cell.GetNumber(), 2.5);

    CGridCell typed = TextCell("19.99999");
    typed.SetDataType(CGridCell::kTypeCurrency);
    EXPECT_DOUBLE_EQ(typed.GetNumber(), 20.0) << "currency keeps four decimals";
}

TEST_F(CGridCellDataType, DateTextBecomesADayNumberAndBadTextZero) {
    CGridCell cell = TextCell("2000-01-01 12:00:00");
    cell.SetDataType(CGridCell::kTypeDateTime);
    EXPECT_DOUBLE_EQ(cell.GetNumber(), 36526.5);

    CGridCell bad = TextCell("not a date");
    bad.SetDataType(CGridCell::kTypeDateTime);
    EXPECT_EQ(bad.GetNumber(), 0.0);
}

TEST_F(CGridCellDataType, PlainNumberTypeConvertsNothing) {
    CGridCell cell = TextCell("0042");
    cell.SetDataType(CGridCell::kTypePlainNumber);
    EXPECT_EQ(cell.GetDisplayText(), "0042");
    EXPECT_EQ(cell.GetNumber(), 42.0);
}

TEST(CGridCellCompare, NullCellsSortLastInEitherDirection) {
    const CGridCell a = TextCell("a");
    EXPECT_EQ(CGridCell::Compare(nullptr, &a, 0), 1);
    EXPECT_EQ(CGridCell::Compare(&a, nullptr, 0), -1);
    EXPECT_EQ(CGridCell::Compare(nullptr, nullptr, 0), 0);
    EXPECT_EQ(CGridCell::Compare(nullptr, &a, CGridCell::kSortDescending), 1);
}

TEST(CGridCellCompare, NumbersCompareByValueAndTextsByUnsignedBytes) {
    const CGridCell nine = NumberCell(9);
    const CGridCell ten = NumberCell(10);
    EXPECT_EQ(CGridCell::Compare(&nine, &ten, 0), -1);
    EXPECT_EQ(CGridCell::Compare(&nine, &ten, CGridCell::kSortDescending), 1);

    const CGridCell nineText = TextCell("9");
    const CGridCell tenText = TextCell("10");
    EXPECT_EQ(CGridCell::Compare(&nineText, &tenText, 0), 1) << "texts compare byte by byte";
    const CGridCell high = TextCell("\xc3\xa9");
    const CGridCell z = TextCell("z");
    EXPECT_EQ(CGridCell::Compare(&high, &z, 0), 1) << "bytes above 127 sort after ASCII";

    const CGridCell noText = CGridCell::Blank();
    EXPECT_EQ(CGridCell::Compare(&noText, &z, 0), 1) << "a cell without text sorts after";
    EXPECT_EQ(CGridCell::Compare(&z, &noText, 0), -1);
}

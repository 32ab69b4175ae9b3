#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "CompareCounts.h"
#include "FileTexts.h"

TEST(CompareCounts, TextsAndVerdicts) {
    CompareCounts counts;
    EXPECT_EQ(counts.Verdict(), "Folders SAME");
    for (const RowStatus status :
         {RowStatus::Identical, RowStatus::Identical, RowStatus::SizeDiffers,
          RowStatus::TimeDiffers, RowStatus::AttributesDiffer, RowStatus::ContentDiffers,
          RowStatus::Missing}) {
        counts.Add(status);
    }
    EXPECT_EQ(counts.Text(), "Files Equal:\t2\nFiles Different:\t4\nFiles Missing:\t1\n");
    EXPECT_EQ(counts.Verdict(), "Folders DIFFERENT");
}

TEST(FileTexts, TimesAreShownInUtcWhateverTheLocalZoneIncludingAfter2038) {
    setenv("TZ", "Asia/Tokyo", 1);
    tzset();
    EXPECT_EQ(FormatFileTime(1204607167, "%m/%d/%y  %H:%M:%S"), "03/04/08  05:06:07");
    EXPECT_EQ(FormatFileTime(2214131696, "%m/%d/%Y %H:%M:%S"), "02/29/2040 12:34:56");
    EXPECT_EQ(FormatFileTime(0, ""), "");
    unsetenv("TZ");
    tzset();
}

TEST(FileTexts, AttributeLettersInFixedOrder) {
    EXPECT_EQ(AttributeLetters(0), "");
    EXPECT_EQ(AttributeLetters(0x3F), "RHSVDA");
    EXPECT_EQ(AttributeLetters(0x12), "HD");
    EXPECT_EQ(AttributeLetters(0x40), "");
}

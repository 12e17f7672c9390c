#include <gtest/gtest.h>

#include "platform/text.h"

TEST(Text, AsciiLowerChangesOnlyAsciiCapitals)
{
    EXPECT_EQ(AsciiLower(u"AbZ@[`az09"), u"abz@[`az09");
    // Latin capitals beyond ASCII (Ä, É) and other scripts stay as they are.
    EXPECT_EQ(AsciiLower(u"\u00C4\u00C9\u0416X"), u"\u00C4\u00C9\u0416x");
    EXPECT_EQ(AsciiLower(u""), u"");
}

TEST(Text, CopyBoundedTruncatesAndAlwaysTerminates)
{
    WCHAR buffer[6];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    CopyBounded(buffer, 4, u"Arial");
    EXPECT_EQ(WString(buffer), u"Ari");
    EXPECT_EQ(buffer[4], u'#');  // nothing written past the given capacity

    CopyBounded(buffer, 6, u"Arial");
    EXPECT_EQ(WString(buffer), u"Arial");

    CopyBounded(buffer, 1, u"Arial");
    EXPECT_EQ(buffer[0], 0);
}

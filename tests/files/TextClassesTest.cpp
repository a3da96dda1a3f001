#include "files/StringConcat.hpp"
#include "files/StringFileParser.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using files::StringConcat;
using files::StringFileParser;

// The buffer grows by whole chunks and always ends longer than the text; pieces, empty ones
// included, join in order across a chunk boundary.
TEST(StringConcat, AppendsAcrossAChunkBoundary) {
    StringConcat s;
    EXPECT_EQ(s.GetStr(), "");
    s.Add("ab");
    s.Add("");
    s.Add("c");
    EXPECT_EQ(s.GetStr(), "abc");
    EXPECT_EQ(s.Capacity(), StringConcat::kChunkSize);

    StringConcat edge;
    edge.Add(std::string(StringConcat::kChunkSize - 1, 'x'));
    edge.Add("yz");
    EXPECT_EQ(edge.Capacity(), 2 * StringConcat::kChunkSize);
    const std::string text = edge.GetStr();
    ASSERT_EQ(text.size(), 200001u);
    EXPECT_EQ(text.substr(199997), "xxyz");
    edge.Add(std::string(450000, 'a'));
    EXPECT_EQ(edge.Length(), 650001);
    EXPECT_EQ(edge.Capacity(), 4 * StringConcat::kChunkSize);
}

TEST(StringFileParser, SplitsAtCrLfOnly) {
    StringFileParser p;
    p.SetFile("a\r\nb\r\n");
    EXPECT_EQ(p.GetNumLines(), 2);
    EXPECT_EQ(p.GetNextStr(), "a");
    EXPECT_EQ(p.GetNextStr(), "b");
    EXPECT_EQ(p.GetNextStr(), "");

    StringFileParser lone;
    lone.SetFile("a\rb\nc");
    EXPECT_EQ(lone.GetNumLines(), 0);
    EXPECT_EQ(lone.GetNextStr(), "a\rb\nc");

    StringFileParser none;
    none.SetFile("");
    EXPECT_EQ(none.GetNumLines(), -1);
}

TEST(StringFileParser, ReadsIntegersFromTheRightmostCharacters) {
    StringFileParser p;
    p.SetFile("Units: 12\r\n7.5\r\n6.5\r\nabc");
    ASSERT_EQ(p.GetNextStr(), "Units: 12");
    EXPECT_EQ(p.GetLastInt(2), 12);
    EXPECT_EQ(p.GetLastInt(5), 0);   // "s: 12" does not begin with a number
    EXPECT_EQ(p.GetLastInt(20), 0);  // the whole line
    EXPECT_EQ(p.GetLastInt(0), 0);
    EXPECT_EQ(p.GetLastStr(), "Units: 12");
    EXPECT_EQ(p.GetNextInt(3), 8);  // 7.5: halves to even
    EXPECT_EQ(p.GetLastInt(3), 8);
    EXPECT_EQ(p.GetNextInt(3), 6);  // 6.5
    EXPECT_EQ(p.GetNextInt(3), 0);  // letters
}

TEST(StringFileParser, NumbersOutsideSixteenBitsAreReportedNotWrapped) {
    StringFileParser p;
    p.SetFile("Scale: 40000\r\n-32768\r\n32767.5\r\n1e9\r\nNext: 3");
    EXPECT_FALSE(p.GetNextInt(5).has_value());
    EXPECT_EQ(p.GetNextInt(6), -32768);
    EXPECT_FALSE(p.GetNextInt(7).has_value());  // rounds to 32768
    EXPECT_FALSE(p.GetNextInt(3).has_value());
    EXPECT_EQ(p.GetNextInt(1), 3);  // reading goes on after a bad line
}

TEST(StringFileParser, ReadingOutsideTheLinesIsHarmless) {
    StringFileParser p;
    EXPECT_EQ(p.GetLastStr(), "");
    EXPECT_EQ(p.GetLastInt(3), 0);
    p.SetFile("5");
    EXPECT_EQ(p.GetNextInt(1), 5);
    EXPECT_EQ(p.GetNextStr(), "");
    EXPECT_EQ(p.GetNextInt(1), 0);
}

}  // namespace

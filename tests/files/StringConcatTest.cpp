#include "files/StringConcat.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using files::StringConcat;

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

}  // namespace

// Names and reasons shortened for a message line: widths estimated in units, characters kept
// whole, control characters shown as signs.
#include "files/ShortenedText.hpp"

#include <gtest/gtest.h>

namespace {

TEST(ShortenedText, KeepsCharactersWholeWithinTheUnits) {
    std::string accents;  // 50 characters of two bytes, two units each
    for (int i = 0; i < 50; ++i) accents += "\u00E9";
    const struct {
        std::string text;
        std::size_t units;
        std::string middle, end;
    } rows[] = {
        {"Golf.vd3", 8, "Golf.vd3", "Golf.vd3"},
        {"Golf GTI.vd3", 8, "Gol\u2026vd3", "Golf G\u2026"},
        {accents, 20, "\u00E9\u00E9\u00E9\u00E9\u2026\u00E9\u00E9\u00E9\u00E9",
         accents.substr(0, 18) + "\u2026"},
        {"\xFF\xFF\xFFok", 6, "\xFF\u2026ok", "\xFF\xFF\u2026"},  // a byte of no character: 2
        {"a\tb\r\nc\x1B", 40, "a\u2409b\u240D\u240Ac\u241B", "a\u2409b\u240D\u240Ac\u241B"},
        // The line and paragraph separators and NEL would end the line: each is one sign.
        {"a\u2028b\u2029c\u0085d", 40, "a\u2424b\u2424c\u2424d", "a\u2424b\u2424c\u2424d"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(files::ShortenedInMiddle(row.text, row.units), row.middle);
        EXPECT_EQ(files::ShortenedAtEnd(row.text, row.units), row.end);
        EXPECT_LE(files::WidthUnits(row.middle), std::max(row.units, files::WidthUnits(row.text)));
    }
    EXPECT_EQ(files::EstimatedLines("", 80), 1u);
    EXPECT_EQ(files::EstimatedLines(std::string(80, 'x'), 80), 1u);
    EXPECT_EQ(files::EstimatedLines(std::string(81, 'x'), 80), 2u);
    EXPECT_EQ(files::EstimatedLines(accents, 80), 2u);
}

// A path keeps its file name whole and gives up the middle of its folders first; only a name
// too wide on its own is shortened, after "…/".
TEST(ShortenedText, APathKeepsItsFileNameWhole) {
    const std::string e = "\u2026";
    const struct {
        std::string path;
        std::size_t units;
        std::string shown;
    } rows[] = {
        {"/home/you/Golf.set", 18, "/home/you/Golf.set"},
        {"/Golf.set", 9, "/Golf.set"},  // exactly as wide as the units, in the root folder
        {"/home/you/setups/Golf_race_long_name.set", 30, "/h" + e + "ps/Golf_race_long_name.set"},
        {"/home/you/setups/Golf_race_long_name.set", 26, e + "/Golf_race_long_name.set"},
        {"/home/you/setups/Golf_race_long_name.set", 24, e + "/Golf_race_" + e + "_name.set"},
        {"/a\n/b\r.set", 40, "/a\u240A/b\u240D.set"},
        {"/home/you/a\nfolder/x\ty.set", 18, "/hom" + e + "der/x\u2409y.set"},
        {"Golf GTI.vd3", 8, "Gol" + e + "vd3"},  // no folder: shortened in its middle
        {"/home/you/setups/", 12, "/home" + e + "tups/"},
        // A name of 300 bytes in 120 units: no room at all for the folders.
        {"/home/you/setups/S" + std::string(291, 'n') + "_end.set", 120,
         e + "/S" + std::string(57, 'n') + e + std::string(49, 'n') + "_end.set"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path + " in " + std::to_string(row.units));
        EXPECT_EQ(files::ShortenedPath(row.path, row.units), row.shown);
        EXPECT_LE(files::WidthUnits(row.shown), row.units);
    }
}

}  // namespace

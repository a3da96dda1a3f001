// How a file that could not be read is told, in the one wording every opener uses, and how a
// message shows a path.
#include "files/FileMessages.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "core/TextTable.hpp"
#include "files/ShortenedText.hpp"
#include "support/GermanLocale.hpp"

namespace {

TEST(FileMessages, AFileNotReadIsMissingOrNamedWithTheReason) {
    core::InitDefaultTexts();
    const std::string path = "/home/you/setups/Golf_race.set";
    const struct {
        int error;
        std::string text, reason;
    } rows[] = {
        {ENOENT, "File does not exist!", "File does not exist!"},
        {EACCES, "The file " + path + " cannot be read: Permission denied",
         "cannot be read: Permission denied"},
        {ENOTDIR, "The file " + path + " cannot be read: Not a directory",
         "cannot be read: Not a directory"},
        {ENOTSUP, "The file " + path + " is not a regular file", "is not a regular file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.error);
        EXPECT_EQ(files::NotReadText(path, row.error), row.text);
        EXPECT_EQ(files::NotReadReason(row.error), row.reason);
    }
}

// The messages are in English: on a German desktop, whose locale the front end gives the C
// library, the system's reason in them is English too, not "Keine Berechtigung".
TEST(FileMessages, TheReasonIsEnglishOnAGermanDesktop) {
    testsupport::GermanCLocale german;
    if (!german.Active()) GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
    const struct {
        int error;
        const char* reason;
    } rows[] = {{EACCES, "Permission denied"},
                {ENOTDIR, "Not a directory"},
                {ENAMETOOLONG, "File name too long"},
                {EISDIR, "Is a directory"},
                {4242, "Unknown error 4242"}};  // a number the system has no text for
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        EXPECT_EQ(files::CannotReadText("/s/a.set", row.error),
                  std::string("The file /s/a.set cannot be read: ") + row.reason);
        EXPECT_EQ(files::NotReadReason(row.error), std::string("cannot be read: ") + row.reason);
    }
}

// A path of up to five lines is shown whole; a longer one keeps its start and its end, and a
// line break in it is a sign, so the message keeps its lines.
TEST(FileMessages, APathLongerThanFiveLinesIsShortened) {
    std::string path = "/home/you";
    while (path.size() < 3950) path += "/Setups_for_a_long_weekend";
    path += "/Golf_race.set";
    const std::string text = files::CannotReadText(path, ENOTDIR);
    EXPECT_TRUE(text.starts_with("The file /home/you/Setups_for_a_long_weekend/")) << text;
    EXPECT_TRUE(text.ends_with("/Golf_race.set cannot be read: Not a directory")) << text;
    EXPECT_NE(text.find("\u2026"), std::string::npos);
    EXPECT_LE(files::WidthUnits(files::PathInMessage(path)), files::kMessagePathUnits);
    EXPECT_GE(files::WidthUnits(files::PathInMessage(path)), files::kMessagePathUnits - 2);

    // A long file name stays whole: its folders give way.
    const std::string name = std::string(250, 'n') + ".set";
    const std::string shown = files::PathInMessage(path + "/" + name);
    EXPECT_TRUE(shown.starts_with("/home/you/Setups_for_a_long_weekend/")) << shown;
    EXPECT_TRUE(shown.ends_with("_long_weekend/Golf_race.set/" + name)) << shown;

    const std::string whole = path.substr(0, 399);
    EXPECT_EQ(files::PathInMessage(whole), whole);
    EXPECT_EQ(files::PathInMessage("/s/a\nb.set"), "/s/a\u240Ab.set");
    // A window's title shows it whole, with the same signs: the title bar cuts what it cannot
    // show.
    EXPECT_EQ(files::PathInTitle(path + "\n"), path + "\u240A");
}

// A message naming files: the first ones, a line each, then the others counted on a line of
// their own, with no blank line before it, also when no file is named.
TEST(FileMessages, NamedFilesThenTheOthersCounted) {
    const auto lineOf = [](std::size_t i) { return "file " + std::to_string(i); };
    const struct {
        std::size_t total, named;
        std::string text;
    } rows[] = {
        {3, 0, "and 3 more."},
        {3, 1, "file 0\r\nand 2 more."},
        {3, 3, "file 0\r\nfile 1\r\nfile 2"},
        {2, 8, "file 0\r\nfile 1"},
        {0, 8, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.named) + " of " + std::to_string(row.total));
        EXPECT_EQ(files::NamedFilesText(row.total, lineOf, row.named), row.text);
    }
}

}  // namespace

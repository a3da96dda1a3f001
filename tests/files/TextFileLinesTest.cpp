// The lines of the program's text files: every kind of line end, mixed, and a text of each
// kind of line end split in time linear in its length.
#include "files/TextFileLines.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HangWatchdog.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

using Lines = std::vector<std::string>;
class TextFileReadTest : public vehtest::ProgramFolderTest {};

TEST(TextFileLines, EveryLineEndMixedInOneText) {
    const struct {
        std::string text;
        Lines lines;
    } rows[] = {
        {"a\rb\rc\nd\r\ne", {"a", "b", "c", "d", "e"}},  // CRs before the first LF
        {"a\r\rb\n\nc\r\n\r\n", {"a", "", "b", "", "c", "", ""}},
        {"a\n\rb\r\n\rc", {"a", "", "b", "", "c"}},  // an LF, then a CR: two line ends
        {"\xEF\xBB\xBF" "a\rb", {"a", "b"}},
        {"", {""}},
        {"\r", {"", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.text));
        EXPECT_EQ(files::SplitLines(row.text), row.lines);
    }
}

// Read without telling, a file gives what would be said, and only that: nothing after a read
// that went well or found no file, whatever the string held before.
TEST_F(TextFileReadTest, WithoutTellingGivesWhatWouldBeSaid) {
    const std::string folder = root.string() + "/folder";
    std::filesystem::create_directory(folder);
    vehtest::WriteFile(root / "two.txt", "a\r\nb");
    const struct {
        std::string path;
        files::TextFileRead read;
        std::string problem;
    } rows[] = {
        {(root / "two.txt").string(), files::TextFileRead::Read, ""},
        {(root / "none.txt").string(), files::TextFileRead::Missing, ""},
        {folder, files::TextFileRead::Unreadable,
         "The file " + folder + " cannot be read: Is a directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        std::vector<std::string> lines;
        std::string problem = "said before";
        EXPECT_EQ(files::ReadTextFileLines(row.path, 100, "a text", lines, problem), row.read);
        EXPECT_EQ(problem, row.problem);
    }
    EXPECT_TRUE(Shown().empty());
}

// Should the split take time growing with the square of the length (searching the rest of the
// text for an LF at every CR, or for a CR at every LF), these 32 MiB would take some six
// minutes or more; the watchdog ends it.

// 2 Mi lines of 15 characters, each ended by `end`, then `last`: split under the watchdog.
void ExpectSplitInLinearTime(const std::string& end, const std::string& last) {
    constexpr std::size_t kLines = std::size_t{2} << 20;
    const std::string line = "0123456789abcde";  // short enough to be held without allocation
    std::string text;
    text.reserve(kLines * (line.size() + end.size()) + last.size());
    for (std::size_t i = 0; i < kLines; ++i) text.append(line).append(end);
    text.append(last);
    Lines lines;
    {
        const testsupport::HangWatchdog watchdog("SplitLines of 32 MiB of line ends", 30);
        lines = files::SplitLines(text);
    }
    ASSERT_EQ(lines.size(), kLines + 1);
    EXPECT_EQ(lines.front(), line);
    EXPECT_EQ(lines[kLines - 1], line);
    EXPECT_EQ(lines.back(), "");
}

TEST(TextFileLines, CrLineEndsAreSplitInLinearTime) { ExpectSplitInLinearTime("\r", "\n"); }

// The CR looked for within a line only: a text without CRs is not searched to its end for one
// at every LF.
TEST(TextFileLines, LfAndCrLfLineEndsAreSplitInLinearTime) {
    ExpectSplitInLinearTime("\n", "");
    ExpectSplitInLinearTime("\r\n", "");
}

}  // namespace

// Replacing a file's contents: through symbolic links to their target, keeping the link; never
// over a read-only file; contents synced before the rename; a failed rename cleaned up.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <stdlib.h>
#include <sys/stat.h>

#include "files/SafeFileWrite.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

namespace fs = std::filesystem;

class SafeFileWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/chassislab-safewrite-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        root = pattern;
        fs::create_directories(root / "real");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
    int EntriesIn(const fs::path& folder) const {
        int n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) ++n;
        return n;
    }
};

TEST_F(SafeFileWriteTest, SavingOverALinkWritesTheTargetAndKeepsTheLink) {
    const fs::path target = root / "real" / "car.vd3";
    vehtest::WriteFile(target, "old");
    ::chmod(target.c_str(), 0640);
    // A relative link in another folder, and a link to that link.
    fs::create_symlink("real/car.vd3", root / "link.vd3");
    fs::create_symlink(root / "link.vd3", root / "second.vd3");

    EXPECT_EQ(files::ReplaceFileContents((root / "second.vd3").string(), "new contents"), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(root / "link.vd3")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(root / "second.vd3")));
    EXPECT_EQ(vehtest::ReadFile(target), "new contents");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Nothing else appeared beside the target or the links.
    EXPECT_EQ(EntriesIn(root / "real"), 1);

    // A link to a file not there yet creates that file.
    fs::create_symlink("real/new.set", root / "dangling.set");
    EXPECT_EQ(files::ReplaceFileContents((root / "dangling.set").string(), "x"), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(root / "dangling.set")));
    EXPECT_EQ(vehtest::ReadFile(root / "real" / "new.set"), "x");

    // A plain file is replaced as before.
    EXPECT_EQ(files::ReplaceFileContents(target.string(), "plain"), "");
    EXPECT_EQ(vehtest::ReadFile(target), "plain");
}

TEST_F(SafeFileWriteTest, ALinkLoopIsAnErrorNotAHang) {
    fs::create_symlink(root / "b", root / "a");
    fs::create_symlink(root / "a", root / "b");
    EXPECT_NE(files::ReplaceFileContents((root / "a").string(), "x"), "");
}

// The check is on the mode, so it holds for root too, whom the system would let write.
TEST_F(SafeFileWriteTest, AReadOnlyFileIsAnErrorAndStaysAsItWas) {
    const fs::path target = root / "real" / "autoveh.lst";
    vehtest::WriteFile(target, "old");
    ::chmod(target.c_str(), 0444);
    fs::create_symlink("real/autoveh.lst", root / "link.lst");
    for (const fs::path& path : {target, root / "link.lst"}) {
        EXPECT_NE(files::ReplaceFileContents(path.string(), "new"), "") << path;
        EXPECT_EQ(vehtest::ReadFile(target), "old");
    }
    EXPECT_EQ(EntriesIn(root / "real"), 1);  // no temporary file left

    // One write bit, for anyone, is enough.
    ::chmod(target.c_str(), 0464);
    EXPECT_EQ(files::ReplaceFileContents(target.string(), "new"), "");
    EXPECT_EQ(vehtest::ReadFile(target), "new");
}

TEST_F(SafeFileWriteTest, AFailedRenameIsAnErrorAndLeavesNoTemporaryFile) {
    fs::create_directories(root / "real" / "car.vd3");  // a folder where the file should go
    EXPECT_NE(files::ReplaceFileContents((root / "real" / "car.vd3").string(), "x"), "");
    EXPECT_TRUE(fs::is_directory(root / "real" / "car.vd3"));
    EXPECT_EQ(EntriesIn(root / "real"), 1);
}

TEST_F(SafeFileWriteTest, EveryReplaceSyncsItsContentsBeforeTheRename) {
    const uint64_t before = files::SafeFileWrite().FileSyncs;
    ASSERT_EQ(files::ReplaceFileContents((root / "a.set").string(), "one"), "");
    ASSERT_EQ(files::ReplaceFileContents((root / "a.set").string(), "two"), "");
    EXPECT_EQ(files::SafeFileWrite().FileSyncs, before + 2);
}

}  // namespace

// Replacing a file's contents: through symbolic links to their target, keeping the link; never
// over a read-only file; contents synced before the rename and the folder after it; a failed
// sync or rename cleaned up; every name the folder takes, however long.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/SafeFileWrite.hpp"
#include "support/GermanLocale.hpp"
#include "support/TemporaryFolder.hpp"
#include "support/VehicleTestSupport.hpp"

namespace {

namespace fs = std::filesystem;

class SafeFileWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = testsupport::MakeTemporaryFolder("chassislab-safewrite");
        ASSERT_FALSE(root.empty());
        fs::create_directories(root / "real");
    }
    void TearDown() override {
        files::SafeFileWrite() = {};  // the real flush again
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
    EXPECT_EQ(files::ReplaceFileContents((root / "real" / "car.vd3").string(), "x"),
              "Cannot replace the file: Is a directory");
    EXPECT_TRUE(fs::is_directory(root / "real" / "car.vd3"));
    EXPECT_EQ(EntriesIn(root / "real"), 1);

    // No file was there when the save began (a folder took its place while the temporary file
    // was written): the new file is not saved, nothing was replaced.
    const fs::path fresh = root / "real" / "new.vd3";
    files::SafeFileWrite().Sync = [&](int fd) {
        fs::create_directory(fresh);
        return files::SyncToDisk(fd);
    };
    EXPECT_EQ(files::ReplaceFileContents(fresh.string(), "x"),
              "Cannot save the file: Is a directory");
    EXPECT_EQ(EntriesIn(root / "real"), 2);
}

// The writer's reasons join English messages: on a German desktop too they are English.
TEST_F(SafeFileWriteTest, TheReasonIsEnglishOnAGermanDesktop) {
    testsupport::GermanCLocale german;
    if (!german.Active()) GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
    fs::create_directories(root / "real" / "car.vd3");
    EXPECT_EQ(files::ReplaceFileContents((root / "real" / "car.vd3").string(), "x"),
              "Cannot replace the file: Is a directory");
    EXPECT_EQ(files::ReplaceFileContents((root / "real" / std::string(300, 'n')).string(), "x"),
              "Cannot save the file: File name too long");
}

// Cut at the NUL, the name would be that of another file, here an existing one.
TEST_F(SafeFileWriteTest, ANameHoldingANulSavesNothing) {
    const fs::path target = root / "real" / "car.vd3";
    vehtest::WriteFile(target, "old");
    EXPECT_EQ(files::ReplaceFileContents(target.string() + std::string(1, '\0') + "x.vd3", "new"),
              "Cannot save the file: its name holds a character no file name can hold");
    EXPECT_EQ(vehtest::ReadFile(target), "old");
    EXPECT_EQ(EntriesIn(root / "real"), 1);

    // Nor is such a name read: it names no file.
    std::string bytes = "before";
    EXPECT_FALSE(files::ReadFileStart(target.string() + std::string(1, '\0'), 100, bytes));
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(bytes, "");
}

// A fake flush records the file behind the descriptor, what that file held and what the
// target held at the time, then flushes for real.
TEST_F(SafeFileWriteTest, TheTemporaryFileIsSyncedBeforeTheRenameAndTheFolderAfter) {
    struct Seen {
        fs::path file;
        std::string contents, target;
    };
    const fs::path target = root / "a.set";
    vehtest::WriteFile(target, "old");
    std::vector<Seen> seen;
    files::SafeFileWrite().Sync = [&](int fd) {
        const fs::path file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
        seen.push_back({file, fs::is_regular_file(file) ? vehtest::ReadFile(file) : "",
                        vehtest::ReadFile(target)});
        return files::SyncToDisk(fd);
    };
    ASSERT_EQ(files::ReplaceFileContents(target.string(), "new"), "");
    ASSERT_EQ(seen.size(), 2u);
    // First the full temporary file beside the target, while the target is still the old one.
    EXPECT_EQ(seen[0].file.parent_path(), fs::canonical(root));
    EXPECT_NE(seen[0].file.filename(), target.filename());
    EXPECT_EQ(seen[0].contents, "new");
    EXPECT_EQ(seen[0].target, "old");
    // Then the folder, once the rename has put the new contents in place.
    EXPECT_EQ(seen[1].file, fs::canonical(root));
    EXPECT_EQ(seen[1].target, "new");

    // A flush that fails stops the replace: the old file stays, no temporary file is left.
    files::SafeFileWrite().Sync = [](int) {
        errno = EIO;
        return -1;
    };
    EXPECT_NE(files::ReplaceFileContents(target.string(), "newer"), "");
    EXPECT_EQ(vehtest::ReadFile(target), "new");
    EXPECT_EQ(EntriesIn(root), 2);  // the target and the folder "real"
}

// Every name up to the folder's limit saves: the temporary name beside it is cut to fit, at a
// whole UTF-8 character, and never takes the place of another file. A longer name is refused
// before anything is written.
TEST_F(SafeFileWriteTest, EveryNameTheFolderTakesSavesHoweverLong) {
    const auto longest = static_cast<std::size_t>(::pathconf(root.c_str(), _PC_NAME_MAX));
    // Three-byte characters shifted by 0 to 2 bytes: one has a character across the cut.
    std::vector<std::string> names = {std::string(longest, 'a'), "short.set"};
    for (std::size_t shift = 0; shift < 3; ++shift) {
        std::string name(shift, 'c');
        while (name.size() + 3 <= longest) name += "\xE2\x82\xAC";
        names.push_back(name + std::string(longest - name.size(), 'c'));
    }
    std::string tempName;
    files::SafeFileWrite().Sync = [&](int fd) {
        const fs::path file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd));
        if (fs::is_regular_file(file)) tempName = file.filename().string();
        return files::SyncToDisk(fd);
    };
    const fs::path folder = root / "real";
    for (const std::string& name : names) {
        ASSERT_EQ(files::ReplaceFileContents((folder / name).string(), "first"), "") << name;
        const std::size_t kept = tempName.find(".tmp" + std::to_string(::getpid()) + "_");
        EXPECT_LE(tempName.size(), longest);
        EXPECT_EQ(tempName.substr(0, kept), name.substr(0, kept));
        if (kept < name.size()) EXPECT_NE(static_cast<unsigned char>(name[kept]) & 0xC0, 0x80);
        // A file already holding that temporary name is left alone: the save takes another.
        const fs::path other = folder / tempName;
        vehtest::WriteFile(other, "someone else's");
        EXPECT_EQ(files::ReplaceFileContents((folder / name).string(), "second"), "");
        EXPECT_EQ(vehtest::ReadFile(folder / name), "second");
        EXPECT_EQ(vehtest::ReadFile(other), "someone else's");
        EXPECT_EQ(EntriesIn(folder), 2);
        fs::remove(folder / name);
        fs::remove(other);
    }
    EXPECT_EQ(files::ReplaceFileContents((folder / std::string(longest + 1, 'x')).string(), "x"),
              "Cannot save the file: File name too long");
    EXPECT_EQ(EntriesIn(folder), 0);
}

}  // namespace

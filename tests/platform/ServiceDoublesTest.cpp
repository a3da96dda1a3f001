// The scripted services tests rely on: what they record and how they answer by default.
#include <cstdio>
#include <string>

#include "platform/PlatformTestSupport.hpp"

using namespace platform;
using platform_test::PlatformTest;

namespace {

using ServiceDoubles = PlatformTest;

std::string MakeFile(const std::string& name) {
    const std::string path = ::testing::TempDir() + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs("data", f);
    std::fclose(f);
    return path;
}

TEST_F(ServiceDoubles, MessageBoxRecordsAndAnswersFromItsQueueElseTheFirstButton) {
    EXPECT_EQ(MsgBox("Saved."), MsgAnswer::OK);
    EXPECT_EQ(MsgBox("Overwrite?", MsgButtons::YesNo, MsgIcon::Question), MsgAnswer::Yes);
    EXPECT_EQ(MsgBox("Retry?", MsgButtons::RetryCancel), MsgAnswer::Retry);
    MessageDouble().QueueAnswer(MsgAnswer::Cancel);
    EXPECT_EQ(MsgBox("Save first?", MsgButtons::YesNoCancel, MsgIcon::Exclamation, "Problem"),
              MsgAnswer::Cancel);
    ASSERT_EQ(MessageDouble().Count(), 4u);
    EXPECT_EQ(MessageDouble().Last().title, "Problem");
    EXPECT_EQ(MessageDouble().Last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(MessageDouble().Requests()[1].text, "Overwrite?");

    // Fresh doubles forget what was shown and what was queued.
    MessageDouble().QueueAnswer(MsgAnswer::No);
    InstallServiceDoubles();
    EXPECT_EQ(MessageDouble().Count(), 0u);
    EXPECT_EQ(MsgBox("two", MsgButtons::YesNo), MsgAnswer::Yes);
}

TEST_F(ServiceDoubles, FileDialogsAnswerFromTheirQueuesElseCancel) {
    FileDialogRequest req;
    req.title = "Open Setup";
    req.filter = "Setup files (*.set)|*.set";
    FileDialogDouble().QueueOpenPath("/tmp/setups/XFG_race.set");
    FileDialogResult r = Services().fileDialogs->Open(req);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.FileTitle(), "XFG_race.set");
    r = Services().fileDialogs->Open(req);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.errorNumber, kCancelErrorNumber);
    FileDialogDouble().QueueSave(ScriptedFileDialog::Failed(20476, "Buffer too small"));
    r = Services().fileDialogs->Save(req);
    EXPECT_EQ(r.errorNumber, 20476);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(FileDialogDouble().OpenRequests().size(), 2u);
    EXPECT_EQ(FileDialogDouble().SaveRequests().at(0).filter, "Setup files (*.set)|*.set");
    EXPECT_EQ(FileDialogResult{}.FileTitle(), "");
}

TEST_F(ServiceDoubles, ShellAndSoundRecordTheirTargets) {
    EXPECT_TRUE(Services().shell->Open("mailto:someone@example.org", {}));
    ShellDouble().result = false;
    EXPECT_FALSE(Services().shell->Open("ChassisLab Manual - English.pdf", {}));
    EXPECT_EQ(ShellDouble().Targets().size(), 2u);

    const std::string wav = MakeFile("platform_test1.wav");
    Services().sound->PlayAsync(wav);
    Services().sound->PlayAsync(::testing::TempDir() + "no_such.wav");
    EXPECT_EQ(SoundDouble().Requested().size(), 2u);
    ASSERT_EQ(SoundDouble().Played().size(), 1u);
    EXPECT_EQ(SoundDouble().Played()[0], wav);
    std::remove(wav.c_str());
}

TEST_F(ServiceDoubles, HttpAnswersScriptedUrlsAndFailsTheRest) {
    HttpDouble().ScriptBody("http://example.org/ver.txt", " v3.1.4");
    HttpResult r = Services().http->Get("http://example.org/ver.txt", 5000);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.body, " v3.1.4");
    r = Services().http->Get("http://example.org/other");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(r.error.empty());
    HttpResult notFound;
    notFound.status = 404;
    HttpDouble().Script("http://example.org/gone", notFound);
    EXPECT_FALSE(Services().http->Get("http://example.org/gone").ok);
    EXPECT_EQ(HttpDouble().Requests().at(0).timeoutMs, 5000);
}

TEST_F(ServiceDoubles, BackgroundHttpWaitsForTheTestAndACancelledOneNeverAnswers) {
    HttpDouble().ScriptBody("http://example.org/ver.txt", " v3.1.4");
    std::vector<std::string> bodies;
    const auto keep = [&](const HttpResult& r) { bodies.push_back(r.ok ? r.body : "failed"); };
    Services().http->GetLater("http://example.org/ver.txt", 5000, keep);
    Services().http->GetLater("http://example.org/other", 5000, keep);
    Services().http->Cancel(Services().http->GetLater("http://example.org/ver.txt", 5000, keep));
    EXPECT_TRUE(bodies.empty());
    EXPECT_EQ(HttpDouble().AnswerWaiting(), 2u);
    EXPECT_EQ(bodies, (std::vector<std::string>{" v3.1.4", "failed"}));
}

TEST_F(ServiceDoubles, PicturesLoadOnlyExistingImageFiles) {
    const std::string jpg = MakeFile("platform_car.Jpeg");
    const std::string txt = MakeFile("platform_car.txt");
    EXPECT_TRUE(Services().pictures->Load(jpg).has_value());
    EXPECT_FALSE(Services().pictures->Load(txt).has_value());
    EXPECT_FALSE(Services().pictures->Load(::testing::TempDir() + "none.jpg").has_value());
    EXPECT_FALSE(Services().pictures->Load(::testing::TempDir()).has_value()) << "a folder";
    PictureDouble().width = 64;
    EXPECT_EQ(Services().pictures->Load(jpg)->width, 64);
    std::remove(jpg.c_str());
    std::remove(txt.c_str());
}

// (The locale and clock doubles only give back what was set.)
TEST_F(ServiceDoubles, FontsMeasureByAFixedRule) {
    // 12 pt = 16 px: 9.6 px a character, 18.4 px a line.
    FontSpec f{"Arial", 12.0f, false, false};
    TextExtent e = Services().fonts->Measure("abcd", f);
    EXPECT_NEAR(e.width, 38.4, 1e-9);
    EXPECT_NEAR(e.height, 18.4, 1e-9);
    e = Services().fonts->Measure("ab\r\nabcde", f);  // two lines, the widest counts
    EXPECT_NEAR(e.width, 48.0, 1e-9);
    EXPECT_NEAR(e.height, 36.8, 1e-9);
    EXPECT_NEAR(Services().fonts->Measure("\xC2\xB0", f).width, 9.6, 1e-9) << "one code point";
}

}  // namespace

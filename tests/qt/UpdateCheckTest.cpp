// The update check against a real HTTP server on the loopback address, through the Qt HTTP
// service, in the background, so the window is usable at once: the quiet start-up check that
// speaks only of a newer version and is dropped when the program closes, and the Links menu's.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "LoopbackServer.hpp"
#include "ProgramOnDesktop.hpp"
#include "QtStartedProgram.hpp"
#include "platform/ServiceDoubles.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/main/menus/UpdateCheck.hpp"
#include "ui/main/menus/WebLinks.hpp"

namespace {

using platform::MessageDouble;

using qttest::RunEventsUntil;
using platform::MsgAnswer;

// A time-out no request held by the test's server reaches: past every wait of the test.
constexpr int kBeyondTheTest = 2 * qttest::kHangWatchdogMs;

// A handler's long work, letting the windows paint as it goes, until `done` holds (or the
// watchdog runs out); whether it holds.
bool WorkUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < qttest::kHangWatchdogMs) platform::LetWindowsPaint();
    return done();
}

// Notes the network replies that events reach while it lives: whether one of them has finished,
// its answer (or failure) handed to the program's HTTP service.
class RepliesSeen : public QObject {
public:
    RepliesSeen() { QCoreApplication::instance()->installEventFilter(this); }
    ~RepliesSeen() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool AnyFinished() const {
        return std::any_of(replies_.begin(), replies_.end(),
                           [](const QPointer<QNetworkReply>& r) { return r && r->isFinished(); });
    }

protected:
    bool eventFilter(QObject* target, QEvent*) override {
        if (auto* reply = qobject_cast<QNetworkReply*>(target))
            if (std::find(replies_.begin(), replies_.end(), reply) == replies_.end())
                replies_.emplace_back(reply);
        return false;
    }

private:
    std::vector<QPointer<QNetworkReply>> replies_;
};

class UpdateCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Listening());
        platform::InstallServiceDoubles();
        platform::Services().http = std::make_shared<qtfront::QtHttpService>();
        savedSite = ui::WebLinks().WebSite;
        ui::UpdateCheck().TimeoutMs = 3000;
    }
    void TearDown() override {
        ui::WebLinks().WebSite = savedSite;
        ui::UpdateCheck() = {};
        platform::InstallServiceDoubles();
    }
    // Runs the check against one case of the server until it is answered, a question
    // answered with `answer`; the messages it showed.
    const std::vector<platform::MessageRequest>& Check(const std::string& name, bool quiet,
                                                       MsgAnswer answer = MsgAnswer::No) {
        MessageDouble().Clear();
        MessageDouble().QueueAnswer(answer);
        ui::WebLinks().WebSite = server.Site(name);
        ui::CheckForUpdate(quiet);
        EXPECT_TRUE(RunEventsUntil([] { return ui::UpdateCheck().Request == 0; })) << name;
        return MessageDouble().Requests();
    }
    static bool AsksToUpdate(const std::vector<platform::MessageRequest>& m) {
        return m.size() == 1 && m[0].title == "A newer version is available" &&
               m[0].buttons == platform::MsgButtons::YesNo;
    }
    static bool SaysUpToDate(const std::vector<platform::MessageRequest>& m) {
        return m.size() == 1 && m[0].text == "This program is already up-to-date." &&
               m[0].title == "No newer version is available" &&
               m[0].icon == platform::MsgIcon::Information;
    }
    static bool SaysFailed(const std::vector<platform::MessageRequest>& m) {
        return m.size() == 1 && m[0].text == "Error checking for program update" &&
               m[0].title == "Check failed" && m[0].icon == platform::MsgIcon::Critical;
    }

    qttest::AppReady ready;
    qttest::LoopbackServer server{{
        {"newer", {200, "v3.2.0"}},        {"same", {200, " v3.1.4"}},
        {"samecrlf", {200, "v3.1.4\r\n"}}, {"older", {200, "v3.0.9"}},
        {"patch10", {200, "v3.1.10"}},     {"missing", {404, "v9.9.9"}},
        {"garbage", {200, "<html>Moved</html>"}}, {"capital", {200, "V3.2.0"}},
        {"silent", {0, ""}}}};
    std::string savedSite;
};

TEST_F(UpdateCheckTest, ANewerVersionAsksAndYesOpensTheWebSite) {
    const auto& m = Check("newer", false, MsgAnswer::Yes);
    ASSERT_TRUE(AsksToUpdate(m));
    EXPECT_EQ(m[0].text,
              "This version is: v3.1.4\r\nLatest version is: v3.2.0\r\n\r\nProceed to website now?");
    ASSERT_EQ(platform::ShellDouble().Targets().size(), 1u);
    EXPECT_EQ(platform::ShellDouble().Targets()[0], server.Site("newer"));

    // No opens nothing; a quiet check asks all the same.
    EXPECT_TRUE(AsksToUpdate(Check("newer", true)));
    EXPECT_EQ(platform::ShellDouble().Targets().size(), 1u);
}

// Versions compare number by number (3.1.10 is newer than 3.1.4); blanks and a line end round
// the same version do not matter; an error status (whose body says v9.9.9) or a reply that is
// no version is a failed check. A quiet check says nothing but of a newer version.
TEST_F(UpdateCheckTest, EachReplyGivesItsAnswer) {
    enum Outcome { Asks, UpToDate, Failed };
    const std::pair<const char*, Outcome> cases[] = {
        {"patch10", Asks},      {"older", UpToDate},  {"same", UpToDate}, {"samecrlf", UpToDate},
        {"missing", Failed},    {"garbage", Failed},  {"capital", Failed}};
    for (const auto& [name, outcome] : cases) {
        const auto& m = Check(name, false);
        EXPECT_TRUE(outcome == Asks ? AsksToUpdate(m) : outcome == UpToDate ? SaysUpToDate(m) : SaysFailed(m))
            << name;
        if (outcome != Asks) EXPECT_TRUE(Check(name, true).empty()) << name;
    }
}

// Until its time-out the check waits for a site that holds its answer back: here while a
// timer of a fortieth of the time-out runs out. A site that never answers makes it fail at the
// time-out.
TEST_F(UpdateCheckTest, TheSiteIsWaitedForUntilTheTimeOutThenTheCheckFails) {
    server.holding = true;
    ui::UpdateCheck().TimeoutMs = kBeyondTheTest;
    MessageDouble().Clear();
    MessageDouble().QueueAnswer(MsgAnswer::No);
    ui::WebLinks().WebSite = server.Site("newer");
    ui::CheckForUpdate(false);
    ASSERT_TRUE(RunEventsUntil([this] { return server.requests == 1; }));
    QTimer shorter;
    shorter.setSingleShot(true);
    shorter.start(kBeyondTheTest / 40);
    ASSERT_TRUE(RunEventsUntil([&shorter] { return !shorter.isActive(); }));
    EXPECT_NE(ui::UpdateCheck().Request, 0) << "gave up on a site still holding its answer";
    server.Release();
    ASSERT_TRUE(RunEventsUntil([] { return ui::UpdateCheck().Request == 0; }));
    EXPECT_TRUE(AsksToUpdate(MessageDouble().Requests()));

    ui::UpdateCheck().TimeoutMs = 300;
    EXPECT_TRUE(SaysFailed(Check("silent", false)));
    EXPECT_TRUE(Check("silent", true).empty());
}

// The start-up check returns at once and speaks when the answer arrives; not in the middle
// of a handler's long work, and not at all once the program is closing.
TEST_F(UpdateCheckTest, TheQuietCheckSpeaksWhenTheAnswerArrivesBetweenHandlers) {
    platform::Services().windowUpdates = std::make_shared<qtfront::QtWindowUpdateService>();
    const auto spoke = [] { return !MessageDouble().Requests().empty(); };
    ui::UpdateCheck().TimeoutMs = kBeyondTheTest;
    MessageDouble().Clear();
    server.holding = true;
    ui::WebLinks().WebSite = server.Site("newer");
    ui::CheckForUpdate(true);
    EXPECT_FALSE(spoke());
    {
        // The site answers while a handler works, and the answer is in before the work ends.
        RepliesSeen replies;
        ASSERT_TRUE(WorkUntil([this] { return server.requests == 1; }));
        server.Release();
        ASSERT_TRUE(WorkUntil([&replies] { return replies.AnyFinished(); }));
    }
    EXPECT_FALSE(spoke());
    ASSERT_TRUE(RunEventsUntil(spoke));
    EXPECT_TRUE(AsksToUpdate(MessageDouble().Requests()));

    // Dropped as the program closes: the check hangs up on the site, which cannot answer it.
    MessageDouble().Clear();
    server.holding = true;
    ui::CheckForUpdate(true);
    ASSERT_TRUE(RunEventsUntil([this] { return server.requests == 2; }));
    ui::DropUpdateCheck();
    EXPECT_TRUE(RunEventsUntil([this] { return server.open == 0; }));
    server.Release();
    QCoreApplication::processEvents();
    EXPECT_FALSE(spoke());
}

TEST_F(UpdateCheckTest, ParsingAcceptsOnlyVPlusThreeNumbers) {
    using V = ui::ProgramVersion;
    EXPECT_EQ(ui::ParseProgramVersion(" v3.1.4"), (V{3, 1, 4}));
    EXPECT_EQ(ui::ParseProgramVersion("\tv10.0.21\r\n"), (V{10, 0, 21}));
    for (const char* bad : {"", "v", "3.1.4", "v3.1", "v3.1.4.5", "v3..4", "v3.1.x", "v-3.1.4",
                            "v3.1.4 beta", "v+3.1.4", "v99999999999.0.0"})
        EXPECT_FALSE(ui::ParseProgramVersion(bad).has_value()) << bad;
}

// The whole start-up with the check switched on and a site that never answers.
class StartUpUpdateCheckTest : public qttest::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        ASSERT_TRUE(server.Listening());
        savedSite = ui::WebLinks().WebSite;
    }
    void TearDown() override {
        ui::WebLinks().WebSite = savedSite;
        ui::UpdateCheck() = {};
        StartedProgram::TearDown();
    }
    qttest::AppReady ready;
    qttest::LoopbackServer server{{{"silent", {0, ""}}}};
    std::string savedSite;
};

TEST_F(StartUpUpdateCheckTest, TheWindowIsUsableAtOnceWhenTheSiteIsSilent) {
    // A first start writes the options file; the check is then switched on in it.
    Start();
    ui::ResetMainWindow();
    const std::filesystem::path ini = root / "Options.ini";
    vehtest::WriteFile(ini, std::regex_replace(vehtest::ReadFile(ini),
                                               std::regex("AutoUpdate: [^\r\n]*"),
                                               "AutoUpdate: -1"));
    platform::Services().http = std::make_shared<qtfront::QtHttpService>();
    ui::WebLinks().WebSite = server.Site("silent");
    ui::UpdateCheck().TimeoutMs = kBeyondTheTest;

    Start();
    EXPECT_NE(ui::UpdateCheck().Request, 0) << "the start waited for the site";
    // Quiet when the site hangs up, as at the time-out.
    ASSERT_TRUE(RunEventsUntil([this] { return server.requests >= 1; }));
    server.HangUp();
    EXPECT_TRUE(RunEventsUntil([] { return ui::UpdateCheck().Request == 0; }));
    EXPECT_TRUE(MessageDouble().Requests().empty());
}

// Links > Check for newer versions (F9) on the desktop, against a site that never answers.
class MenuUpdateCheckTest : public qttest::ProgramOnDesktop {
protected:
    void TearDown() override {
        ui::WebLinks().WebSite = savedSite;
        ui::UpdateCheck() = {};
        ProgramOnDesktop::TearDown();
    }
    qttest::AppReady ready;
    qttest::LoopbackServer server{{{"silent", {0, ""}}}};
    std::string savedSite = ui::WebLinks().WebSite;
};

TEST_F(MenuUpdateCheckTest, TheWindowTakesInputMeanwhileAndASecondF9AsksNothing) {
    ASSERT_TRUE(server.Listening());
    platform::Services().http = std::make_shared<qtfront::QtHttpService>();
    ui::WebLinks().WebSite = server.Site("silent");
    ui::UpdateCheck().TimeoutMs = kBeyondTheTest;
    qtfront::FormView* view = desktop->ViewFor(*w);
    view->ActionFor(*w->LinksUpdate)->trigger();
    const int request = ui::UpdateCheck().Request;
    EXPECT_NE(request, 0) << "F9 waited for the site";
    ASSERT_TRUE(RunEventsUntil([this] { return server.requests == 1; }));
    // The person opens Preferences and presses F9 again before the answer: the same check
    // goes on.
    view->ActionFor(*w->OptionsPreferences)->trigger();
    QCoreApplication::processEvents();
    ASSERT_NE(ui::ExistingOptionsPanel(), nullptr);
    EXPECT_TRUE(ui::ExistingOptionsPanel()->Visible());
    view->ActionFor(*w->LinksUpdate)->trigger();
    EXPECT_EQ(ui::UpdateCheck().Request, request);
    QCoreApplication::processEvents();
    EXPECT_EQ(server.requests, 1);
    EXPECT_TRUE(MessageDouble().Requests().empty());
    // The site hangs up: one failure.
    server.HangUp();
    ASSERT_TRUE(RunEventsUntil([] { return ui::UpdateCheck().Request == 0; }));
    ASSERT_EQ(MessageDouble().Requests().size(), 1u);
    EXPECT_EQ(MessageDouble().Requests()[0].text, "Error checking for program update");
}

}  // namespace

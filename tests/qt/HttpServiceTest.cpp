// The HTTP service against a small server on the loopback address: a body on 200, an error
// on 404, a time-out when nothing answers, and a refused connection.
#include <gtest/gtest.h>

#include <QTimer>

#include "LoopbackServer.hpp"
#include "QtTestApp.hpp"

namespace {

class HttpServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::App();
        ASSERT_TRUE(server.Listening());
    }
    qttest::AppReady ready;
    qttest::LoopbackServer server{
        {{"ok", {200, "version 3.2"}}, {"missing", {404, "not found"}}, {"silent", {0, ""}}}};
    std::string Url(const char* name) const { return server.Site(name) + "ver.txt"; }
    qtfront::QtHttpService http;
};

TEST_F(HttpServiceTest, ReturnsTheBodyOfA200AndA404IsAFailureWithItsStatus) {
    platform::HttpResult r = http.Get(Url("ok"), 5000);
    EXPECT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "version 3.2");
    r = http.Get(Url("missing"), 5000);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 404);
    EXPECT_FALSE(r.error.empty());
}

// Cut off by its time-out, which the failure names. Should the time-out not come, the
// watchdog has the server hang up, and the failure names something else.
TEST_F(HttpServiceTest, AServerThatNeverAnswersTimesOut) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [this] { server.HangUp(); });
    watchdog.start(qttest::kHangWatchdogMs);
    const platform::HttpResult r = http.Get(Url("silent"), 300);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.error.find("No answer within 300 ms"), std::string::npos) << r.error;
}

TEST_F(HttpServiceTest, ARefusedConnectionAndANonWebAddressFail) {
    const std::string url = Url("ok");
    server.Close();
    platform::HttpResult r = http.Get(url, 2000);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(r.error.empty());
    r = http.Get("file:///etc/passwd", 2000);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.body.empty());
}

}  // namespace

#include <gtest/gtest.h>

#include "core/HttpFetch.hpp"
#include "core/Locale.hpp"
#include "platform/ServiceDoubles.hpp"

namespace {

class LocaleAndHttp : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallServiceDoubles();
        core::Locale() = core::LocaleState{};
    }
};

// A user whose separator is "," sees "." while the program runs and "," again afterwards.
TEST_F(LocaleAndHttp, CommaSeparatorIsSwappedAndRestored) {
    platform::LocaleDouble().SetDecimalSeparator(",");
    core::GetDecimalSeparator();
    EXPECT_EQ(core::Locale().UserDecimalSeparator, ",");
    core::ToggleDecimalSeparator();
    EXPECT_EQ(platform::LocaleDouble().DecimalSeparator(), ".");
    EXPECT_EQ(core::Locale().DecimalSeparatorChanged, core::VbTrue);
    core::ToggleDecimalSeparator();
    EXPECT_EQ(platform::LocaleDouble().DecimalSeparator(), ",");
    EXPECT_EQ(core::Locale().DecimalSeparatorChanged, core::VbFalse);

    // A separator read with a trailing NUL keeps only what stands before it.
    platform::LocaleDouble().SetDecimalSeparator(std::string(",\0", 2));
    core::GetDecimalSeparator();
    EXPECT_EQ(core::Locale().UserDecimalSeparator, ",");
}

TEST_F(LocaleAndHttp, FetchReturnsBodyUnchangedAndUpperCasesMethod) {
    platform::HttpDouble().ScriptBody("http://example.test/ver.txt", " v3.1.4\r\n");
    std::string method = "get";
    const core::HttpTextResult r = core::HttpGetText("http://example.test/ver.txt", method);
    EXPECT_EQ(method, "GET");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.text, " v3.1.4\r\n");
}

// An error page, a transport failure and an unsupported method are failed fetches.
TEST_F(LocaleAndHttp, FailuresAreReportedNotReturnedAsBodies) {
    platform::HttpResult notFound;
    notFound.status = 404;
    notFound.body = "<html>Not found</html>";
    platform::HttpDouble().Script("http://example.test/missing", notFound);
    std::string method = "GET";
    core::HttpTextResult r = core::HttpGetText("http://example.test/missing", method);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.text.empty());
    EXPECT_FALSE(r.error.empty());

    r = core::HttpGetText("http://unscripted.test/", method);
    EXPECT_FALSE(r.ok);

    std::string post = "post";
    r = core::HttpGetText("http://example.test/ver.txt", post);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(post, "POST");
}

}  // namespace

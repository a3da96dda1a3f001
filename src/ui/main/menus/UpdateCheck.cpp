#include "ui/main/menus/UpdateCheck.hpp"

#include <charconv>
#include <string>

#include "core/HttpFetch.hpp"
#include "core/TextTable.hpp"
#include "platform/Services.hpp"
#include "ui/main/menus/WebLinks.hpp"

namespace ui {

namespace {

std::string_view TrimBlanks(std::string_view t) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    return t;
}

void ShowCheckFailed() {
    platform::MsgBox("Error checking for program update", platform::MsgButtons::OK,
                     platform::MsgIcon::Critical, "Check failed");
}

}  // namespace

UpdateCheckState& UpdateCheck() {
    static UpdateCheckState state;
    return state;
}

std::optional<ProgramVersion> ParseProgramVersion(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text.front() != 'v') return std::nullopt;
    text.remove_prefix(1);
    ProgramVersion v{};
    for (std::size_t part = 0; part < v.size(); ++part) {
        if (part > 0) {
            if (text.empty() || text.front() != '.') return std::nullopt;
            text.remove_prefix(1);
        }
        // Digits only: from_chars alone would take a sign or leave an empty part.
        if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v[part]);
        if (ec != std::errc{}) return std::nullopt;
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    if (!text.empty()) return std::nullopt;
    return v;
}

namespace {

// What the check says about a reply (see CheckForUpdate).
void ReportReply(const core::HttpTextResult& reply, bool quiet) {
    const auto published = reply.ok && reply.status == 200 ? ParseProgramVersion(reply.text)
                                                           : std::nullopt;
    const auto own = ParseProgramVersion(core::kProgramVersion);
    if (!published || !own) {
        if (!quiet) ShowCheckFailed();
        return;
    }
    if (*published <= *own) {
        if (!quiet)
            platform::MsgBox("This program is already up-to-date.", platform::MsgButtons::OK,
                             platform::MsgIcon::Information, "No newer version is available");
        return;
    }
    const std::string text = std::string("This version is:") + core::kProgramVersion + "\r\n" +
                             "Latest version is: " + std::string(TrimBlanks(reply.text)) +
                             "\r\n\r\nProceed to website now?";
    if (platform::MsgBox(text, platform::MsgButtons::YesNo, platform::MsgIcon::None,
                         "A newer version is available") == platform::MsgAnswer::Yes)
        OpenWebPage(WebSiteHome());
}

}  // namespace

void CheckForUpdate(bool quiet) {
    UpdateCheckState& check = UpdateCheck();
    if (check.Request != 0) {
        if (!quiet) check.Quiet = false;
        return;
    }
    check.Quiet = quiet;
    std::string method = "GET";
    check.Request = core::HttpGetTextLater(
        VersionFileAddress(), method, check.TimeoutMs, [](const core::HttpTextResult& reply) {
            UpdateCheck().Request = 0;
            ReportReply(reply, UpdateCheck().Quiet);
        });
}

void DropUpdateCheck() {
    core::CancelHttpGetText(UpdateCheck().Request);
    UpdateCheck().Request = 0;
}

}  // namespace ui

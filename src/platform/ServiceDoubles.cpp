#include "platform/ServiceDoubles.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/PlatformState.hpp"

namespace platform {

namespace {

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

std::string LowerExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// Code points of a UTF-8 text (continuation bytes are not counted).
int CodePoints(const std::string& s, std::size_t from, std::size_t to) {
    int n = 0;
    for (std::size_t i = from; i < to; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && s[i] != '\r') ++n;
    return n;
}

}  // namespace

// ---- Message boxes ------------------------------------------------------------------------

MsgAnswer ScriptedMessageBox::FirstButton(MsgButtons b) {
    switch (b) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
        case MsgButtons::RetryCancel: return MsgAnswer::Retry;
        case MsgButtons::OK:
        case MsgButtons::OKCancel: break;
    }
    return MsgAnswer::OK;
}

MsgAnswer ScriptedMessageBox::Show(const MessageRequest& request) {
    requests_.push_back(request);
    if (answers_.empty()) return FirstButton(request.buttons);
    MsgAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

const MessageRequest& ScriptedMessageBox::Last() const {
    static const MessageRequest none;
    return requests_.empty() ? none : requests_.back();
}

// ---- File dialogs -------------------------------------------------------------------------

FileDialogResult ScriptedFileDialog::Chosen(std::vector<std::string> paths) {
    FileDialogResult r;
    r.paths = std::move(paths);
    return r;
}

FileDialogResult ScriptedFileDialog::Cancelled() {
    FileDialogResult r;
    r.cancelled = true;
    r.errorNumber = kCancelErrorNumber;
    r.errorDescription = "Cancel was selected.";
    return r;
}

FileDialogResult ScriptedFileDialog::Failed(int errorNumber, const std::string& description) {
    FileDialogResult r;
    r.errorNumber = errorNumber;
    r.errorDescription = description;
    return r;
}

FileDialogResult ScriptedFileDialog::Open(const FileDialogRequest& request) {
    openRequests_.push_back(request);
    if (opens_.empty()) return Cancelled();
    FileDialogResult r = std::move(opens_.front());
    opens_.pop_front();
    return r;
}

FileDialogResult ScriptedFileDialog::Save(const FileDialogRequest& request) {
    saveRequests_.push_back(request);
    if (saves_.empty()) return Cancelled();
    FileDialogResult r = std::move(saves_.front());
    saves_.pop_front();
    return r;
}

// ---- Shell, sound, HTTP -------------------------------------------------------------------

bool RecordingShell::Open(const std::string& target, std::function<void()> failedLater) {
    targets_.push_back(target);
    if (result) started_.push_back(std::move(failedLater));
    return result;
}

std::size_t RecordingShell::FailStarted() {
    std::vector<std::function<void()>> failing;
    failing.swap(started_);
    for (const auto& report : failing)
        if (report) report();
    return failing.size();
}

void RecordingSound::PlayAsync(const std::string& path) {
    requested_.push_back(path);
    if (IsRegularFile(path)) played_.push_back(path);
}

HttpResult ScriptedHttp::Answer(const std::string& url) const {
    auto it = responses_.find(url);
    if (it != responses_.end()) return it->second;
    HttpResult r;
    r.error = "no response scripted for " + url;
    return r;
}

HttpResult ScriptedHttp::Get(const std::string& url, int timeoutMs) {
    requests_.push_back({url, timeoutMs});
    return Answer(url);
}

int ScriptedHttp::GetLater(const std::string& url, int timeoutMs, HttpDone done) {
    requests_.push_back({url, timeoutMs});
    waiting_[++lastRequest_] = {url, std::move(done)};
    return lastRequest_;
}

void ScriptedHttp::Cancel(int request) { waiting_.erase(request); }

std::size_t ScriptedHttp::AnswerWaiting() {
    std::map<int, std::pair<std::string, HttpDone>> now;
    now.swap(waiting_);  // an answer may start another request
    for (auto& [number, request] : now) {
        if (request.second) request.second(Answer(request.first));
    }
    return now.size();
}

void ScriptedHttp::ScriptBody(const std::string& url, const std::string& body) {
    HttpResult r;
    r.ok = true;
    r.status = 200;
    r.body = body;
    Script(url, std::move(r));
}

// ---- Pictures, locale, fonts --------------------------------------------------------------

std::optional<Picture> FilePictures::Load(const std::string& path) {
    requested_.push_back(path);
    const std::string ext = LowerExtension(path);
    const bool picture = ext == ".jpg" || ext == ".jpeg" || ext == ".png" || ext == ".bmp";
    if (!picture || !IsRegularFile(path)) return std::nullopt;
    return Picture{path, width, height};
}

void ProcessLocale::SetDecimalSeparator(const std::string& separator) {
    separator_ = separator;
    ++setCount_;
}

TextExtent FixedFontMetrics::Measure(const std::string& text, const FontSpec& font) const {
    const double px = PixelSize(font);
    int lines = 1;
    int widest = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t nl = text.find('\n', start);
        const std::size_t end = nl == std::string::npos ? text.size() : nl;
        widest = std::max(widest, CodePoints(text, start, end));
        if (nl == std::string::npos) break;
        ++lines;
        start = nl + 1;
    }
    return TextExtent{widest * kCharWidth * px, lines * kLineHeight * px};
}

// ---- Installation -------------------------------------------------------------------------

void InstallServiceDoubles() { InstallServiceDoublesInto(Platform()); }

void InstallServiceDoublesInto(PlatformState& state) {
    ServiceDoubleSet d;
    d.messages = std::make_shared<ScriptedMessageBox>();
    d.fileDialogs = std::make_shared<ScriptedFileDialog>();
    d.shell = std::make_shared<RecordingShell>();
    d.sound = std::make_shared<RecordingSound>();
    d.http = std::make_shared<ScriptedHttp>();
    d.pictures = std::make_shared<FilePictures>();
    d.locale = std::make_shared<ProcessLocale>();
    d.fonts = std::make_shared<FixedFontMetrics>();
    d.clock = std::make_shared<SettableClock>();
    d.windowUpdates = std::make_shared<CountingWindowUpdates>();
    ServiceSet& s = state.services;
    s.messages = d.messages;
    s.fileDialogs = d.fileDialogs;
    s.shell = d.shell;
    s.sound = d.sound;
    s.http = d.http;
    s.pictures = d.pictures;
    s.locale = d.locale;
    s.fonts = d.fonts;
    s.clock = d.clock;
    s.windowUpdates = d.windowUpdates;
    state.doubles = std::move(d);
}

ScriptedMessageBox& MessageDouble() { return *Platform().doubles.messages; }
ScriptedFileDialog& FileDialogDouble() { return *Platform().doubles.fileDialogs; }
RecordingShell& ShellDouble() { return *Platform().doubles.shell; }
RecordingSound& SoundDouble() { return *Platform().doubles.sound; }
ScriptedHttp& HttpDouble() { return *Platform().doubles.http; }
FilePictures& PictureDouble() { return *Platform().doubles.pictures; }
ProcessLocale& LocaleDouble() { return *Platform().doubles.locale; }
FixedFontMetrics& FontDouble() { return *Platform().doubles.fonts; }
SettableClock& ClockDouble() { return *Platform().doubles.clock; }
CountingWindowUpdates& WindowUpdateDouble() { return *Platform().doubles.windowUpdates; }

}  // namespace platform

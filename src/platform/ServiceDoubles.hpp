// Scripted stand-ins for every desktop service, installed by default so the whole program
// runs without a display. Tests script their answers and inspect what the program asked for:
//
//   platform::InstallServiceDoubles();                       // fresh doubles (in SetUp)
//   platform::MessageDouble().QueueAnswer(MsgAnswer::No);    // next message box says No
//   ... run the handler ...
//   EXPECT_EQ(platform::MessageDouble().Requests().size(), 1u);
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Services.hpp"

namespace platform {

// Records every message box; answers from a queue, else with the first button
// (OK, OK, Yes, Yes, Retry for OK, OKCancel, YesNo, YesNoCancel, RetryCancel).
class ScriptedMessageBox : public MessageBoxService {
public:
    MsgAnswer Show(const MessageRequest& request) override;
    void QueueAnswer(MsgAnswer a) { answers_.push_back(a); }
    const std::vector<MessageRequest>& Requests() const { return requests_; }
    std::size_t Count() const { return requests_.size(); }
    // The last request; an empty request when there was none.
    const MessageRequest& Last() const;
    void Clear() { requests_.clear(); answers_.clear(); }
    static MsgAnswer FirstButton(MsgButtons b);

private:
    std::vector<MessageRequest> requests_;
    std::deque<MsgAnswer> answers_;
};

// Open and save dialogs answer from their own queues; an empty queue answers as a cancel
// (error 32755). Every request is recorded.
class ScriptedFileDialog : public FileDialogService {
public:
    FileDialogResult Open(const FileDialogRequest& request) override;
    FileDialogResult Save(const FileDialogRequest& request) override;
    void QueueOpen(FileDialogResult r) { opens_.push_back(std::move(r)); }
    void QueueSave(FileDialogResult r) { saves_.push_back(std::move(r)); }
    void QueueOpenPath(const std::string& path) { QueueOpen(Chosen({path})); }
    void QueueSavePath(const std::string& path) { QueueSave(Chosen({path})); }
    static FileDialogResult Chosen(std::vector<std::string> paths);
    static FileDialogResult Cancelled();
    static FileDialogResult Failed(int errorNumber, const std::string& description);
    const std::vector<FileDialogRequest>& OpenRequests() const { return openRequests_; }
    const std::vector<FileDialogRequest>& SaveRequests() const { return saveRequests_; }

private:
    std::deque<FileDialogResult> opens_, saves_;
    std::vector<FileDialogRequest> openRequests_, saveRequests_;
};

// Records what the program asked the shell to open; answers `result` (true by default). A
// start it answered true for may fail later when the test says so.
class RecordingShell : public ShellService {
public:
    bool Open(const std::string& target, std::function<void()> failedLater) override;
    const std::vector<std::string>& Targets() const { return targets_; }
    // Every start so far that answered true fails now, as a launcher exiting with an error
    // does; returns how many.
    std::size_t FailStarted();
    bool result = true;

private:
    std::vector<std::string> targets_;
    std::vector<std::function<void()>> started_;  // the failure reports of running starts
};

// Records every request; only a file that exists counts as played.
class RecordingSound : public SoundService {
public:
    void PlayAsync(const std::string& path) override;
    const std::vector<std::string>& Requested() const { return requested_; }
    const std::vector<std::string>& Played() const { return played_; }

private:
    std::vector<std::string> requested_, played_;
};

// Answers each URL with its scripted response (the same one every time); an unscripted URL
// fails as a transport failure (status 0). Records the URLs and time-outs asked for, in the
// background or not. A background request waits until the test answers it.
class ScriptedHttp : public HttpService {
public:
    HttpResult Get(const std::string& url, int timeoutMs = 10000) override;
    int GetLater(const std::string& url, int timeoutMs, HttpDone done) override;
    void Cancel(int request) override;
    // Answers every waiting background request as Get would; returns how many were answered.
    std::size_t AnswerWaiting();
    std::size_t Waiting() const { return waiting_.size(); }
    void Script(const std::string& url, HttpResult r) { responses_[url] = std::move(r); }
    // A 200 response with this body.
    void ScriptBody(const std::string& url, const std::string& body);
    struct Request {
        std::string url;
        int timeoutMs = 0;
    };
    const std::vector<Request>& Requests() const { return requests_; }

private:
    HttpResult Answer(const std::string& url) const;
    std::map<std::string, HttpResult> responses_;
    std::vector<Request> requests_;
    std::map<int, std::pair<std::string, HttpDone>> waiting_;  // by request number
    int lastRequest_ = 0;
};

// A picture loads when the file exists and its extension is .jpg, .jpeg, .png or .bmp (any
// case); every loaded picture has the size set here (320 x 240 by default).
class FilePictures : public PictureService {
public:
    std::optional<Picture> Load(const std::string& path) override;
    int width = 320;
    int height = 240;
    const std::vector<std::string>& Requested() const { return requested_; }

private:
    std::vector<std::string> requested_;
};

// The decimal separator of this process only; starts as ".". Counts the writes.
class ProcessLocale : public LocaleService {
public:
    std::string DecimalSeparator() const override { return separator_; }
    void SetDecimalSeparator(const std::string& separator) override;
    int SetCount() const { return setCount_; }

private:
    std::string separator_ = ".";
    int setCount_ = 0;
};

// Deterministic metrics at 96 dots per inch: a font of s points is s * 96 / 72 pixels high
// (8 pt = 10.667 px); each character (UTF-8 code point) is 0.6 of that wide and a line 1.15
// of it high, whatever the face or style. Several lines ("\n" separated, a CR is ignored)
// measure as the widest line by the number of lines.
class FixedFontMetrics : public FontMetricsService {
public:
    TextExtent Measure(const std::string& text, const FontSpec& font) const override;
    static double PixelSize(const FontSpec& font) { return font.sizePt * 96.0 / 72.0; }
    static constexpr double kCharWidth = 0.6;    // of the pixel size
    static constexpr double kLineHeight = 1.15;  // of the pixel size
};

// A clock the test sets; starts at noon.
class SettableClock : public ClockService {
public:
    double SecondsSinceMidnight() const override { return seconds_; }
    void Set(double seconds) { seconds_ = seconds; }
    void Advance(double seconds) { seconds_ += seconds; }

private:
    double seconds_ = 12 * 3600.0;
};

// Paints nothing; counts the calls.
class CountingWindowUpdates : public WindowUpdateService {
public:
    void LetWindowsPaint() override { ++count_; }
    int Count() const { return count_; }

private:
    int count_ = 0;
};

// The doubles installed by the last InstallServiceDoubles().
ScriptedMessageBox& MessageDouble();
ScriptedFileDialog& FileDialogDouble();
RecordingShell& ShellDouble();
RecordingSound& SoundDouble();
ScriptedHttp& HttpDouble();
FilePictures& PictureDouble();
ProcessLocale& LocaleDouble();
FixedFontMetrics& FontDouble();
SettableClock& ClockDouble();
CountingWindowUpdates& WindowUpdateDouble();

}  // namespace platform

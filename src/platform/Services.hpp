// Desktop services the program uses: message boxes, file dialogs, the shell, sound, HTTP,
// pictures, the decimal separator, font metrics, the clock and painting during long work. Each is an interface; the
// program reaches the installed implementation through Services(). By default the scripted
// test doubles of ServiceDoubles.hpp are installed, so the library runs without a desktop;
// the Qt front end installs its own implementations at start.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// ---- Message boxes -------------------------------------------------------------------------
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { OK, Cancel, Yes, No, Retry };

struct MessageRequest {
    std::string text;   // may hold CR LF line breaks
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    std::string title;  // empty: the application's title
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MsgAnswer Show(const MessageRequest& request) = 0;
};

// The application's default message-box title.
inline constexpr const char* kAppTitle = "ChassisLab";

// ---- File dialogs ---------------------------------------------------------------------------
struct FileDialogRequest {
    std::string title;
    std::string filter;            // "Description|*.ext" (pairs separated by "|")
    std::string defaultExtension;  // without the dot
    std::string initialFolder;
    std::string fileName;          // proposed name (save) or last chosen
    bool multiSelect = false;      // open only
};

struct FileDialogResult {
    bool cancelled = false;
    int errorNumber = 0;            // 0: no error; 32755 is reported for a cancel
    std::string errorDescription;
    std::vector<std::string> paths; // full paths; one unless multiSelect
    std::string FileTitle() const;  // the first path without its folder
};

inline constexpr int kCancelErrorNumber = 32755;

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    virtual FileDialogResult Open(const FileDialogRequest& request) = 0;
    virtual FileDialogResult Save(const FileDialogRequest& request) = 0;
};

// ---- Shell, sound -----------------------------------------------------------------------------
class ShellService {
public:
    virtual ~ShellService() = default;
    // Opens a web page ("http..."), a mail link ("mailto:...") or a file with its viewer, and
    // returns at once. False when it could not start: no such file, or no program for it
    // could be started. A start that fails afterwards (the desktop's launcher finds no
    // program for the target, or the program fails) runs `failedLater` once, on this
    // thread, between events and never inside another handler's work.
    virtual bool Open(const std::string& target, std::function<void()> failedLater) = 0;
};

class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts playing a .wav file and returns at once; a missing file plays nothing.
    virtual void PlayAsync(const std::string& path) = 0;
};

// ---- HTTP -------------------------------------------------------------------------------------
struct HttpResult {
    bool ok = false;     // true only for a status 200..299 within the time-out
    int status = 0;      // HTTP status, 0 for a transport failure or time-out
    std::string body;
    std::string error;   // why it failed
};

using HttpDone = std::function<void(const HttpResult&)>;

class HttpService {
public:
    virtual ~HttpService() = default;
    // Synchronous GET; a transport failure, a status outside 200..299 or the time-out is a
    // failure.
    virtual HttpResult Get(const std::string& url, int timeoutMs = 10000) = 0;
    // The same GET in the background: returns at once with a request number (never 0), and
    // `done` runs later on this thread, between events and never inside another handler's
    // long work, with the result Get would have given.
    virtual int GetLater(const std::string& url, int timeoutMs, HttpDone done) = 0;
    // Forgets a request started by GetLater: its `done` never runs. A request that has
    // finished, or 0, is ignored.
    virtual void Cancel(int request) = 0;
};

// ---- Pictures ---------------------------------------------------------------------------------
struct Picture {
    std::string path;  // file it came from
    int width = 0;     // pixels
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
};

class PictureService {
public:
    virtual ~PictureService() = default;
    // Loads a JPEG (or other image) file; nullopt when it cannot be read.
    virtual std::optional<Picture> Load(const std::string& path) = 0;
};

// ---- Decimal separator (process-local; system settings are never changed) --------------------
class LocaleService {
public:
    virtual ~LocaleService() = default;
    virtual std::string DecimalSeparator() const = 0;
    virtual void SetDecimalSeparator(const std::string& separator) = 0;
};

// ---- Font metrics -----------------------------------------------------------------------------
struct FontSpec {
    std::string name = "Arial";
    float sizePt = 8.0f;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextExtent {
    double width = 0;   // pixels
    double height = 0;  // pixels (line height)
};

class FontMetricsService {
public:
    virtual ~FontMetricsService() = default;
    virtual TextExtent Measure(const std::string& text, const FontSpec& font) const = 0;
};

// ---- Clock ------------------------------------------------------------------------------------
class ClockService {
public:
    virtual ~ClockService() = default;
    virtual double SecondsSinceMidnight() const = 0;
};

// ---- Painting during long work -----------------------------------------------------------
class WindowUpdateService {
public:
    virtual ~WindowUpdateService() = default;
    // Lets the windows paint what has changed (a progress bar's new value) while a handler
    // is still at work. The person's input (mouse, keys, closing a window) waits until the
    // handler has returned, so no other handler can start meanwhile. Cheap enough to call
    // for every progress step: it paints at most a few dozen times a second.
    virtual void LetWindowsPaint() = 0;
};

// The installed services. Never null: doubles are installed until something replaces them.
struct ServiceSet {
    std::shared_ptr<MessageBoxService> messages;
    std::shared_ptr<FileDialogService> fileDialogs;
    std::shared_ptr<ShellService> shell;
    std::shared_ptr<SoundService> sound;
    std::shared_ptr<HttpService> http;
    std::shared_ptr<PictureService> pictures;
    std::shared_ptr<LocaleService> locale;
    std::shared_ptr<FontMetricsService> fonts;
    std::shared_ptr<ClockService> clock;
    std::shared_ptr<WindowUpdateService> windowUpdates;
};

ServiceSet& Services();
// Puts fresh test doubles in every slot (tests call this in SetUp); ServiceDoubles.hpp gives
// typed access to them (MessageDouble(), HttpDouble(), ...).
void InstallServiceDoubles();

// Shorthand used all over the program. An empty title is passed on empty: the implementation
// shows the application's title (kAppTitle).
MsgAnswer MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::OK,
                 MsgIcon icon = MsgIcon::None, const std::string& title = "");
// Shorthand for a progress step: the windows paint the new value now.
void LetWindowsPaint();

}  // namespace platform

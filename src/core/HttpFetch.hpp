// Fetching a small text over HTTP (the update check's version file).
#pragma once

#include <functional>
#include <string>

namespace core {

struct HttpTextResult {
    bool ok = false;     // false for a transport failure, a time-out or a status outside 2xx
    std::string text;    // the response body, unchanged; empty when !ok
    std::string error;   // why it failed
    int status = 0;      // the HTTP status; 0 when no answer came
};

// Fetches url synchronously and returns the whole body. The method is upper-cased in place
// (the caller's variable changes with it); only "GET" is supported. A server error page is a
// failed fetch, never a body to compare. No answer within timeoutMs is a failure.
HttpTextResult HttpGetText(const std::string& url, std::string& method, int timeoutMs = 10000);

// The same fetch in the background: returns at once with a request number for
// CancelHttpGetText (0 when it failed at once: `done` has then already run); `done` runs
// later with what HttpGetText would have returned.
int HttpGetTextLater(const std::string& url, std::string& method, int timeoutMs,
                     std::function<void(const HttpTextResult&)> done);
// The background fetch's `done` never runs. 0 is ignored.
void CancelHttpGetText(int request);

}  // namespace core

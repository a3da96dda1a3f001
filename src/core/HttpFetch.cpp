#include "core/HttpFetch.hpp"

#include <cctype>

#include "platform/Services.hpp"

namespace core {

namespace {

// Upper-cases the method in place; the reason it cannot be fetched, "" for GET.
std::string MethodProblem(std::string& method) {
    for (char& c : method) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return method == "GET" ? std::string() : "Unsupported HTTP method " + method;
}

HttpTextResult TextResult(const platform::HttpResult& r) {
    HttpTextResult out;
    out.status = r.status;
    if (!r.ok) {
        out.error = r.error.empty() ? "HTTP status " + std::to_string(r.status) : r.error;
        return out;
    }
    out.ok = true;
    out.text = r.body;
    return out;
}

}  // namespace

HttpTextResult HttpGetText(const std::string& url, std::string& method, int timeoutMs) {
    HttpTextResult out;
    out.error = MethodProblem(method);
    if (!out.error.empty()) return out;
    return TextResult(platform::Services().http->Get(url, timeoutMs));
}

int HttpGetTextLater(const std::string& url, std::string& method, int timeoutMs,
                     std::function<void(const HttpTextResult&)> done) {
    HttpTextResult refused;
    refused.error = MethodProblem(method);
    if (!refused.error.empty()) {
        if (done) done(refused);
        return 0;
    }
    return platform::Services().http->GetLater(
        url, timeoutMs, [done = std::move(done)](const platform::HttpResult& r) {
            if (done) done(TextResult(r));
        });
}

void CancelHttpGetText(int request) {
    if (request != 0) platform::Services().http->Cancel(request);
}

}  // namespace core

#include "core/HttpFetch.hpp"

#include <cctype>

#include "platform/Services.hpp"

namespace core {

HttpTextResult HttpGetText(const std::string& url, std::string& method, int timeoutMs) {
    for (char& c : method) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    HttpTextResult out;
    if (method != "GET") {
        out.error = "Unsupported HTTP method " + method;
        return out;
    }
    const platform::HttpResult r = platform::Services().http->Get(url, timeoutMs);
    out.status = r.status;
    if (!r.ok) {
        out.error = r.error.empty() ? "HTTP status " + std::to_string(r.status) : r.error;
        return out;
    }
    out.ok = true;
    out.text = r.body;
    return out;
}

}  // namespace core

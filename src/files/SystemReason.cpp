#include "files/SystemReason.hpp"

#include <cstring>

namespace files {

std::string SystemReason(int error) {
    // glibc's own description, never translated; it reads neither the locale nor a shared
    // buffer. Null for a number the library does not know.
    if (const char* text = ::strerrordesc_np(error)) return text;
    return "Unknown error " + std::to_string(error);  // as strerror words it
}

}  // namespace files

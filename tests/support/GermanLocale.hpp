// The C library's locale of a German desktop, as the Qt front end sets it from the desktop's
// settings: strerror then answers "Ist kein Verzeichnis". The locale before it comes back when
// the object goes.
#pragma once

#include <clocale>
#include <string>

namespace testsupport {

class GermanCLocale {
public:
    GermanCLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    ~GermanCLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    GermanCLocale(const GermanCLocale&) = delete;
    GermanCLocale& operator=(const GermanCLocale&) = delete;

    // False when the machine has no German locale: the C library then speaks as before.
    bool Active() const { return active_; }

private:
    std::string saved_;
    bool active_ = false;
};

}  // namespace testsupport

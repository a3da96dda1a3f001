// The decimal separator while the program runs. Every number the program reads or writes uses
// "." whatever the user's regional settings; the separator is switched for this process only
// (the desktop's locale service), never in the user's system settings, so nothing outside the
// program sees the change and nothing is left behind if the program ends abruptly.
#pragma once

#include <string>

#include "core/Numbers.hpp"

namespace core {

struct LocaleState {
    VbBool DecimalSeparatorChanged = VbFalse;  // true while the program's "." is in force
    std::string UserDecimalSeparator;          // the separator found at start; "" if none
    std::string ProgramDecimalSeparator;       // "." after the first toggle
};

LocaleState& Locale();

// Reads the separator in force into UserDecimalSeparator (without any trailing NUL).
void GetDecimalSeparator();
// Switches between "." and the user's separator, raising or lowering DecimalSeparatorChanged.
void ToggleDecimalSeparator();

}  // namespace core

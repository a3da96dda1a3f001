#include "core/Locale.hpp"

#include "platform/Services.hpp"

namespace core {

LocaleState& Locale() {
    static LocaleState state;
    return state;
}

void GetDecimalSeparator() {
    std::string s = platform::Services().locale->DecimalSeparator();
    const auto nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    Locale().UserDecimalSeparator = s;
}

void ToggleDecimalSeparator() {
    LocaleState& st = Locale();
    st.ProgramDecimalSeparator = ".";
    if (FromVbBool(st.DecimalSeparatorChanged)) {
        platform::Services().locale->SetDecimalSeparator(st.UserDecimalSeparator);
        st.DecimalSeparatorChanged = VbFalse;
    } else {
        platform::Services().locale->SetDecimalSeparator(st.ProgramDecimalSeparator);
        st.DecimalSeparatorChanged = VbTrue;
    }
}

}  // namespace core

#include "ui/main/settings/SettingHandlersState.hpp"

namespace ui {

SettingHandlersState& SettingHandlers() {
    static SettingHandlersState state;
    return state;
}

}  // namespace ui

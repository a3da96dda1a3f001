#include "ui/main/inputs/SettingHandlersState.hpp"

namespace ui {

SettingHandlersState& SettingHandlers() {
    static SettingHandlersState state;
    return state;
}

}  // namespace ui

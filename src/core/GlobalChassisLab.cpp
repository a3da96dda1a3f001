#include "core/GlobalChassisLab.hpp"

namespace core {

GlobalChassisLabState& GlobalChassisLab() {
    static GlobalChassisLabState state;
    return state;
}

}  // namespace core

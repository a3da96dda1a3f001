#include "core/Caption.hpp"

#include <cstdio>

namespace core {

const char* LabelArrayName(LabelArray array) {
    switch (array) {
        case LabelArray::Analysis_PhysLabel: return "Analysis_PhysLabel";
        case LabelArray::Set_LiveLabel: return "Set_LiveLabel";
        case LabelArray::Set_AeroLabel: return "Set_AeroLabel";
        case LabelArray::Analysis_SuspLabel: return "Analysis_SuspLabel";
        case LabelArray::Set_SuspLabel: return "Set_SuspLabel";
        case LabelArray::Set_SteerLabel: return "Set_SteerLabel";
        case LabelArray::Set_TyreLabel: return "Set_TyreLabel";
        case LabelArray::Analysis_SteeringLabel: return "Analysis_SteeringLabel";
        case LabelArray::Analysis_TyreLabel: return "Analysis_TyreLabel";
        case LabelArray::Analysis_AeroLabel: return "Analysis_AeroLabel";
        case LabelArray::DataLabel: return "DataLabel";
        case LabelArray::Set_GearingLabel: return "Set_GearingLabel";
        case LabelArray::GearingLabel: return "GearingLabel";
        case LabelArray::GearingRevsPreShift: return "GearingRevsPreShift";
        case LabelArray::GearingRevsPostShift: return "GearingRevsPostShift";
        case LabelArray::GearingSpeed: return "GearingSpeed";
        case LabelArray::GearingSpeedGained: return "GearingSpeedGained";
        case LabelArray::GearingRevsDropAbs: return "GearingRevsDropAbs";
        case LabelArray::GearingRevsDropRel: return "GearingRevsDropRel";
        case LabelArray::GearingReduction: return "GearingReduction";
        case LabelArray::GearingCruisingRevs: return "GearingCruisingRevs";
        case LabelArray::Analysis_AccLabel: return "Analysis_AccLabel";
        case LabelArray::Analysis_DecLabel: return "Analysis_DecLabel";
        case LabelArray::Set_BrakeLabel: return "Set_BrakeLabel";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& os, const Caption& c) {
    os << LabelArrayName(c.Array) << '(' << c.Index << ") \"" << c.Text << '"';
    if (c.ForeColor) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%06X", static_cast<unsigned>(*c.ForeColor));
        os << " [" << buf << ']';
    }
    return os;
}

}  // namespace core

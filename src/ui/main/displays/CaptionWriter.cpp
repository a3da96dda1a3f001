#include "ui/main/displays/CaptionWriter.hpp"

#include "ui/main/form/Main.hpp"

namespace ui {

namespace {

const Main::Array<Main::Label>& LabelsOf(Main& form, core::LabelArray array) {
    using core::LabelArray;
    switch (array) {
        case LabelArray::Analysis_PhysLabel: return form.Analysis_PhysLabel;
        case LabelArray::Set_LiveLabel: return form.Set_LiveLabel;
        case LabelArray::Set_AeroLabel: return form.Set_AeroLabel;
        case LabelArray::Analysis_SuspLabel: return form.Analysis_SuspLabel;
        case LabelArray::Set_SuspLabel: return form.Set_SuspLabel;
        case LabelArray::Set_SteerLabel: return form.Set_SteerLabel;
        case LabelArray::Set_TyreLabel: return form.Set_TyreLabel;
        case LabelArray::Analysis_SteeringLabel: return form.Analysis_SteeringLabel;
        case LabelArray::Analysis_TyreLabel: return form.Analysis_TyreLabel;
        case LabelArray::Analysis_AeroLabel: return form.Analysis_AeroLabel;
        case LabelArray::DataLabel: return form.DataLabel;
        case LabelArray::Set_GearingLabel: return form.Set_GearingLabel;
        case LabelArray::GearingLabel: return form.GearingLabel;
        case LabelArray::GearingRevsPreShift: return form.GearingRevsPreShift;
        case LabelArray::GearingRevsPostShift: return form.GearingRevsPostShift;
        case LabelArray::GearingSpeed: return form.GearingSpeed;
        case LabelArray::GearingSpeedGained: return form.GearingSpeedGained;
        case LabelArray::GearingRevsDropAbs: return form.GearingRevsDropAbs;
        case LabelArray::GearingRevsDropRel: return form.GearingRevsDropRel;
        case LabelArray::GearingReduction: return form.GearingReduction;
        case LabelArray::GearingCruisingRevs: return form.GearingCruisingRevs;
        case LabelArray::Analysis_AccLabel: return form.Analysis_AccLabel;
        case LabelArray::Analysis_DecLabel: return form.Analysis_DecLabel;
        case LabelArray::Set_BrakeLabel: break;
    }
    return form.Set_BrakeLabel;
}

}  // namespace

void WriteCaptions(Main& form, const std::vector<core::Caption>& captions) {
    for (const core::Caption& c : captions) {
        const Main::Array<Main::Label>& labels = LabelsOf(form, c.Array);
        if (!labels.Has(c.Index)) continue;
        Main::Label& label = labels(c.Index);
        if (c.ForeColor) label.SetForeColor(*c.ForeColor);
        label.SetCaption(c.Text);
    }
}

}  // namespace ui

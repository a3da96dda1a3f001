// Handlers of the differential panels on the "Gearing" tab: the type lists show the rows each
// type needs, the front/rear selector chooses the panel on view, the locking and split sliders
// write their own value captions, and the differential parameters are recomputed under the
// guard flags. With simplified (2-way) clutch packs each coast locking slider follows its
// power locking slider.
//
// Panels and arrays: 0 front, 1 rear, 2 centre.
#pragma once

namespace ui {

class Main;

void Set_GearingDiffType_Click(Main& form, int index);
void Set_ViewDiff_Click(Main& form, int index);
void Set_GearingTorqueSplitCentre_Scroll(Main& form);
void Set_GearingViscousTorque_Scroll(Main& form, int index);
void Set_GearingDiffPowerLocking_Scroll(Main& form, int index);
void Set_GearingDiffCoastLocking_Scroll(Main& form, int index);
void Set_GearingDiffPreLoad_Scroll(Main& form, int index);

}  // namespace ui

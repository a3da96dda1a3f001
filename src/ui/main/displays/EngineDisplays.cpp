#include "ui/main/displays/EngineDisplays.hpp"

#include "charts/DynoChart.hpp"
#include "charts/ResizeableGraphCode.hpp"
#include "core/GlobalChassisLab.hpp"
#include "core/OptionsSettings.hpp"
#include "vehicle/VehCode.hpp"
#include "ui/main/form/EngineControls.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {

EngineDisplaysState& EngineDisplays() {
    static EngineDisplaysState state;
    return state;
}

void DrawDynoGraph(Main& form, vehicle::EngineRecord& engine, std::string_view refusal) {
    charts::DrawDynoChart(form.TorquePowerPlot->Surf(), engine,
                          core::FromVbBool(vehicle::VehCode().EditorOpen), refusal,
                          kEngineCaptions);
    charts::RefreshGraphWindows(charts::GraphGroup::Data);
}

void ClearDynoGraph(Main& form) { form.TorquePowerPlot->Surf().Cls(); }

void DrawDynoRules(Main& form, std::string_view rules) {
    charts::DrawDynoBand(form.TorquePowerPlot->Surf(), rules, kEngineCaptions);
}

}  // namespace ui

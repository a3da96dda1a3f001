#include "ui/tools/ExportProgress.hpp"

#include "core/GlobalChassisLab.hpp"
#include "platform/Services.hpp"
#include "ui/main/form/Main.hpp"

namespace ui {
namespace {

struct ExportProgressModule {
    platform::FormHolder<ExportProgress> Holder;
};

ExportProgressModule& Module() {
    static ExportProgressModule m;
    return m;
}

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 44;

}  // namespace

ExportProgress::ExportProgress() : platform::Form("ExportProgress") {
    SetCaption("Exporting Data...");
    SetClientSize(kClientWidth, kClientHeight);
    ProgressBar1 = &Create<platform::ProgressBar>("ProgressBar1");
    ProgressBar1->Move(12, 12, kClientWidth - 24, 20);
    ProgressBar1->SetMax(files::kRunCsvProgressMax);
}

ExportProgress& ExportProgressWindow() { return Module().Holder.Get(); }

void ResetExportProgress() { Module().Holder.Reset(); }

files::RunCsvProgress ExportProgressLinks() {
    files::RunCsvProgress p;
    p.Show = [] {
        ExportProgress& w = ExportProgressWindow();
        w.ProgressBar1->SetValue(0);
        // Centred on the main window, whose menu started the export.
        if (const platform::Form* main = core::GlobalChassisLab().MainForm) w.CentreOn(*main);
        w.Show();
    };
    p.SetMax = [](int32_t v) { ExportProgressWindow().ProgressBar1->SetMax(v); };
    p.SetValue = [](int32_t v) {
        ExportProgressWindow().ProgressBar1->SetValue(v);
        platform::LetWindowsPaint();
    };
    p.Hide = [] { ExportProgressWindow().Hide(); };
    return p;
}

}  // namespace ui

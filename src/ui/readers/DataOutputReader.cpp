#include "ui/readers/DataOutputReader.hpp"

#include "core/GlobalChassisLab.hpp"
#include "core/TextTable.hpp"
#include "files/DataOutputFile.hpp"
#include "files/DataOutputTexts.hpp"
#include "files/FileMessages.hpp"
#include "ui/main/menus/FileMenu.hpp"
#include "ui/readers/ReaderFileBytes.hpp"

namespace ui {
namespace {

struct DataOutputReaderModule {
    platform::FormHolder<DataOutputReader> Holder;
};

DataOutputReaderModule& Module() {
    static DataOutputReaderModule m;
    return m;
}

}  // namespace

DataOutputReader::DataOutputReader() : platform::Form("DataOutputReader") {
    BuildLayout();
    SetClosesOnEscape(true);
    Read->Click = [this] { BrowseDataOutputFileToRead(); };
    ReRead->Click = [this] { ReadDataOutputFile(); };
    TabStrip1->Click = [this] { Page(TabStrip1->SelectedTab() - 1).BringToFront(); };
}

void DataOutputReader::BrowseDataOutputFileToRead() {
    const auto& t = core::TextTable();
    platform::FileDialogRequest request;
    request.title = t.DlgTitleOpenDataOutput;
    request.filter = t.DlgFilterDataOutput;
    request.initialFolder = core::GlobalChassisLab().VehiclesDir;
    const auto chosen = ChooseFile(request, false);
    if (!chosen) return;
    // A file that is refused leaves the window showing the previous one, and Refresh reads
    // that one again.
    const std::string previous = DataOutputPath;
    DataOutputPath = *chosen;
    if (!ReadDataOutputFile()) DataOutputPath = previous;
}

bool DataOutputReader::ReadDataOutputFile() {
    const auto& t = core::TextTable();
    // A missing file says so; an empty or short one is not an output file at all.
    const std::optional<std::string> bytes =
        ReadReaderFile(DataOutputPath, files::kDataOutputFileSize);
    if (!bytes) return false;
    const auto record = files::ParseDataOutputRecord(*bytes);
    if (!record || !files::IsDataOutputRecord(*record)) {
        files::ShowFileError(t.MsgBadDataOutputFile);
        return false;
    }
    const auto texts = files::DataOutputBoxTexts(*record);
    for (std::size_t i = 0; i < texts.size(); ++i)
        OutputBox(static_cast<int>(i)).SetText(texts[i]);
    ReRead->SetEnabled(true);
    return true;
}

DataOutputReader& DataOutputReaderWindow() { return Module().Holder.Get(); }

void ResetDataOutputReader() { Module().Holder.Reset(); }

void ShowDataOutputReader() { DataOutputReaderWindow().Show(); }

}  // namespace ui

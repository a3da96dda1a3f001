// Progress bars move during long work: the export's window paints while the text is built,
// the runs' bars ask for paints as they go, and a window closed meanwhile closes only after.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProgressBar>
#include <set>

#include "QtStartedProgram.hpp"
#include "qt/QtDesktop.hpp"
#include "ui/main/chain/MainAccelerationHandlers.hpp"
#include "ui/main/chain/MainDecelerationHandlers.hpp"
#include "ui/tools/RunDataExport.hpp"

namespace {

// Records the value of every progress bar each time it is painted.
class PaintedValues : public QObject {
public:
    std::set<int> values;

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            if (auto* bar = qobject_cast<QProgressBar*>(target)) values.insert(bar->value());
        return false;
    }
};

class ProgressPaintTest : public qttest::StartedProgram {
protected:
    void SetUp() override {
        StartedProgram::SetUp();
        platform::Services().windowUpdates = std::make_shared<qtfront::QtWindowUpdateService>();
        desktop = std::make_unique<qtfront::QtDesktop>();
    }
    void TearDown() override {
        desktop.reset();
        StartedProgram::TearDown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::unique_ptr<qtfront::QtDesktop> desktop;
};

TEST_F(ProgressPaintTest, TheExportWindowsBarIsPaintedAsTheRowsAreBuilt) {
    // A long acceleration table (values do not matter): 200000 steps, every fourth written.
    auto& acc = analysis::AccelerationCode();
    acc.AccLastStep = 200000;
    acc.AccData.assign(static_cast<std::size_t>(acc.AccLastStep + 1) * analysis::kAccColumns,
                       1.5f);
    PaintedValues painted;
    qttest::App().installEventFilter(&painted);
    ASSERT_TRUE(ui::WriteRunTableCsv(ui::RunTable::Acceleration, (root / "long.csv").string()));
    qttest::App().removeEventFilter(&painted);
    // Painted part way, not only at the start and the end.
    EXPECT_TRUE(std::any_of(painted.values.begin(), painted.values.end(),
                            [](int v) { return v > 0 && v < 50; }));
}

// The close box pressed while a handler works waits until the handler has returned.
TEST_F(ProgressPaintTest, AWindowClosedDuringLongWorkClosesOnlyAfterIt) {
    platform::Form form("Worker");
    form.Show();
    // The close box pressed at the start of the handler's long work: its request reaches the
    // window as a close event.
    QMetaObject::invokeMethod(desktop->ViewFor(form), "close", Qt::QueuedConnection);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 200) platform::LetWindowsPaint();
    EXPECT_TRUE(form.Loaded());
    // The handler has returned.
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.Loaded());
}

TEST_F(ProgressPaintTest, BothRunsLetTheirBarsPaintAsTheyGo) {
    platform::InstallServiceDoubles();
    CopyShippedData();
    ui::Main& w = Start();
    const int before = platform::WindowUpdateDouble().Count();
    float dt = 0.002f;
    ui::RunAccelerationAnalysis(w, dt);
    const int afterAcceleration = platform::WindowUpdateDouble().Count();
    EXPECT_GT(afterAcceleration - before, 10);
    ui::RunDecelerationAnalysis(w);
    EXPECT_GT(platform::WindowUpdateDouble().Count(), afterAcceleration);
}

}  // namespace

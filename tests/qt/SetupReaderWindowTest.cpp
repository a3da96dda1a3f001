// The setup reader on the desktop keeps the client area it was laid out for (785 x 601), so its
// last row of padding boxes stays in view, also after a file is read (which changes the
// caption and so brings the window in line with the form again).
//
// Offscreen the frame is known when the window is shown; under a window manager it arrives
// later. To check the latter, run this test on an X server with one, for example
//   Xvfb :57 & DISPLAY=:57 twm & DISPLAY=:57 QT_QPA_PLATFORM=xcb ./tests_qt --gtest_filter='SetupReaderWindow*'
#include <gtest/gtest.h>

#include <filesystem>

#include <QElapsedTimer>
#include <QThread>

#include "QtTestApp.hpp"
#include "qt/FormView.hpp"
#include "qt/QtDesktop.hpp"
#include "support/ByteBuilder.hpp"
#include "support/TemporaryFolder.hpp"
#include "support/VehicleTestSupport.hpp"
#include "ui/readers/LFSSetupReader.hpp"

namespace {

// Lets the window system (and a window manager, if any) deliver what it has to.
void Settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

TEST(SetupReaderWindow, KeepsItsLaidOutClientAreaAfterAFileIsRead) {
    qttest::App();
    platform::InstallServiceDoubles();
    auto desktop = std::make_unique<qtfront::QtDesktop>();
    const std::filesystem::path folder = testsupport::MakeTemporaryFolder("chassislab-reader");
    ASSERT_FALSE(folder.empty());
    const std::string path = (folder / "XRG_hand.set").string();
    vehtest::WriteFile(path, bytetest::HandBuiltSetup().Str());
    {
        ui::LFSSetupReader w;
        w.Show();
        const qtfront::FormView* view = desktop->ViewFor(w);
        ASSERT_NE(view, nullptr);
        Settle();
        EXPECT_EQ(view->ClientArea()->width(), 785);
        EXPECT_EQ(view->ClientArea()->height(), 601);
        w.SetupReaderPath = path;
        ASSERT_TRUE(w.ReadSetupFile());
        Settle();
        EXPECT_EQ(view->ClientArea()->width(), 785);
        EXPECT_EQ(view->ClientArea()->height(), 601);
        const platform::Frame& padding = w.SetupFrame(7);
        EXPECT_LE(padding.Top() + padding.Height(), view->ClientArea()->height());
        w.Unload();
    }
    desktop.reset();
    platform::Desktop::Instance().CollectUnloaded();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::filesystem::remove_all(folder);
}

}  // namespace

// Start-up fills the hidden code viewer from code.txt once, paints the flasher and sets the
// ball's speed before the main window shows; closing the main window ends the whole program.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QWidget>

#include "app/project.h"
#include "forms/animate/frmAnimate.h"
#include "forms/code/frmCode.h"
#include "support/harness.h"

namespace {

using namespace forms;
using kinemora::frmAnimate;
using kinemora::frmCode;
using testing_support::Harness;
using testing_support::ProgramDir;

frmAnimate& start(Harness& h, const ProgramDir& dir) {
    h.runtime().setAppPath(dir.path());
    return static_cast<frmAnimate&>(startProject(h.runtime(), kinemora::project()));
}

frmCode& viewer() {
    return Instance<frmCode>();
}

QByteArray builtCodeTxt() {
    QFile file(QStringLiteral(KINEMORA_BIN_DIR "/code.txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Startup, LoadFillsTheHiddenViewerAsWrittenThenShowsTheWindowReady) {
    ASSERT_FALSE(builtCodeTxt().isEmpty());
    for (const QByteArray& text : {builtCodeTxt(), QByteArray(), QByteArray("a\r\n\tb\r\n")}) {
        ProgramDir dir;
        dir.write("code.txt", text);
        Harness h;
        frmAnimate& f = start(h, dir);
        EXPECT_EQ(viewer().txtCode.Text.get(), QString::fromUtf8(text));
        EXPECT_FALSE(viewer().isShown());
        EXPECT_TRUE(f.isShown());
        EXPECT_EQ(f.window()->focusWidget(), f.cmdFlasher.widget());
        EXPECT_EQ(f.cmdFlasher.BackColor.get(), 0xFF0000u);
        EXPECT_EQ(f.intSpeed, -10);
        EXPECT_EQ(f.intStep, -10);
        EXPECT_EQ(f.strAppPath, dir.path());
        EXPECT_TRUE(h.boxes().empty());
    }
}

// Without a readable code.txt Load stops at the reading, yet the runtime shows the window.
TEST(Startup, MissingOrUnreadableFileIsReportedOnceAndTheWindowStillComesUp) {
    for (const int error : {53, 75}) {
        SCOPED_TRACE(error);
        ProgramDir dir;
        dir.remove("code.txt");
        if (error == 75) QDir(dir.path()).mkdir("code.txt");
        Harness h;
        testing::internal::CaptureStderr();
        frmAnimate& f = start(h, dir);
        const std::string stderrText = testing::internal::GetCapturedStderr();
        ASSERT_EQ(h.boxes().size(), 1u);
        EXPECT_TRUE(h.boxes()[0].prompt.contains(QStringLiteral("'%1'").arg(error)));
        EXPECT_NE(stderrText.find("error " + std::to_string(error)), std::string::npos);
        EXPECT_TRUE(f.isShown());
        EXPECT_NE(f.cmdFlasher.BackColor.get(), 0xFF0000u);
        EXPECT_EQ(f.intSpeed, 0);
        EXPECT_EQ(f.intStep, 0);
        EXPECT_TRUE(h.runtime().hasForm<frmCode>());
        EXPECT_FALSE(viewer().isShown());
    }
}

TEST(Startup, TheFileIsReadOnceAndTheViewerKeepsItsTextThroughCloseAndItsCloseBox) {
    ProgramDir dir;
    Harness h;
    frmAnimate& f = start(h, dir);
    const QString text = viewer().txtCode.Text;
    dir.write("code.txt", "changed after start");
    viewer().Show();
    EXPECT_EQ(viewer().txtCode.Text.get(), text);
    h.click(viewer(), Harness::centreOf(viewer().cmdClose));
    EXPECT_FALSE(viewer().isShown());
    dir.remove("code.txt");
    viewer().Show();
    EXPECT_EQ(viewer().txtCode.Text.get(), text);
    EXPECT_TRUE(h.boxes().empty());

    frmCode* const one = &viewer();
    viewer().window()->close();
    EXPECT_FALSE(viewer().isShown());
    EXPECT_TRUE(f.isShown());
    Instance<frmCode>().Show();
    EXPECT_EQ(&viewer(), one);
    EXPECT_TRUE(viewer().isShown());
    EXPECT_EQ(viewer().txtCode.Text.get(), text);
}

TEST(Startup, ClosingTheMainWindowEndsEverythingAtOnce) {
    ProgramDir dir;
    Harness h;
    frmAnimate& f = start(h, dir);
    viewer().Show();
    h.click(f, Harness::centreOf(f.cmdFlasher));
    h.click(f, Harness::centreOf(f.cmdDirection(0)));
    h.advance(300);
    const Single ballLeft = f.imgBall.Left;
    ASSERT_NE(ballLeft, 3120);  // the ball is moving and the flasher flashing

    f.window()->close();
    EXPECT_TRUE(h.runtime().hasEnded());
    EXPECT_FALSE(f.isShown());
    EXPECT_FALSE(viewer().isShown());
    EXPECT_TRUE(h.boxes().empty());
    const Colour flasher = f.cmdFlasher.BackColor;
    h.advance(1000);
    EXPECT_EQ(f.imgBall.Left.get(), ballLeft);
    EXPECT_EQ(f.cmdFlasher.BackColor.get(), flasher);
}

}  // namespace

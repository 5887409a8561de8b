// The face's frames, loaded from the program directory on Timer2's ticks.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "effects/program_fixture.h"

namespace {

using namespace effects_testing;

class FaceAnimationTest : public StartedProgram {
  protected:
    // Frames of a colour each (some of the shipped ones look alike), so that a shown picture
    // tells which file it came from.
    void SetUp() override {
        for (int frame = 0; frame <= 7; ++frame) {
            QImage image(48, 48, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(frame * 45, 255, 255));
            ASSERT_TRUE(image.save(dir.file(QStringLiteral("face %1.bmp").arg(frame)), "BMP"));
        }
    }
    QImage frameFile(int frame) {
        return QImage(dir.file(QStringLiteral("face %1.bmp").arg(frame)))
            .convertToFormat(QImage::Format_RGB32);
    }
    // The frame whose file imgFace shows, or -1 for any other picture.
    int shownFrame() {
        const QImage shown =
            form().imgFace.Picture.get()->image.convertToFormat(QImage::Format_RGB32);
        for (int frame = 0; frame <= 7; ++frame)
            if (shown == frameFile(frame)) return frame;
        return -1;
    }
    std::vector<int> framesOverTicks(int count) {
        std::vector<int> frames;
        for (int i = 0; i < count; ++i) {
            harness.advance(100);
            frames.push_back(shownFrame());
        }
        return frames;
    }
};

TEST_F(FaceAnimationTest, FramesRunOneToSevenThenZeroAndResumeAfterAStop) {
    start();
    EXPECT_EQ(shownFrame(), -1);
    click(form().imgFace);
    EXPECT_EQ(framesOverTicks(12), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4}));
    click(form().imgFace);
    ticks(5, 100);
    EXPECT_EQ(shownFrame(), 4);
    click(form().imgFace);
    EXPECT_EQ(framesOverTicks(1), std::vector<int>{5});
}

TEST_F(FaceAnimationTest, MissingFrameZeroFailsOnlyOnTheEighthTickAndTheFaceGoesOn) {
    dir.remove("face 0.bmp");
    start();
    click(form().imgFace);
    testing::internal::CaptureStderr();
    EXPECT_EQ(framesOverTicks(7), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(harness.boxes().empty());

    EXPECT_EQ(framesOverTicks(1), std::vector<int>{7});
    ASSERT_EQ(harness.boxes().size(), 1u);
    EXPECT_TRUE(harness.boxes()[0].prompt.startsWith("Run-time error '53':"));
    EXPECT_TRUE(form().Timer2.Enabled);

    EXPECT_EQ(framesOverTicks(8), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7}));
    EXPECT_EQ(harness.boxes().size(), 1u);  // the repeat is reported on standard error only
    EXPECT_EQ(QString::fromStdString(testing::internal::GetCapturedStderr()).count("face 0.bmp"),
              2);
}

TEST_F(FaceAnimationTest, LargerFrameResizesTheFaceInPlace) {
    QImage large(64, 64, QImage::Format_RGB32);
    large.fill(Qt::red);
    ASSERT_TRUE(large.save(dir.file("face 1.bmp"), "BMP"));
    start();
    click(form().imgFace);
    harness.advance(100);
    const auto& face = form().imgFace;
    EXPECT_EQ(QRectF(face.Left, face.Top, face.Width, face.Height), QRectF(240, 1080, 960, 960));
    EXPECT_EQ(face.widget()->geometry(), QRect(16, 72, 64, 64));
    harness.advance(100);
    EXPECT_EQ(face.Width.get(), 720.0f);
}

}  // namespace

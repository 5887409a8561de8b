#include "asset_files.h"

#include "ball.h"
#include "club_crest.h"
#include "face.h"
#include "hand_cursor.h"
#include "icon_writer.h"
#include "menu_bar.h"
#include "program_icon.h"
#include "qt_writers.h"
#include "question_mark.h"
#include "scalable_icon.h"
#include "tarnley_crest.h"

namespace {

const QString kDisplayCode = QStringLiteral("Display the project code");
const QString kExit = QStringLiteral("Exit Application");
constexpr int kThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

std::vector<AssetFile> windowPictures() {
    const QByteArray questionMark = encodeBmp24(drawQuestionMark());
    return {
        {"menu-over-0.bmp", encodeBmp24(drawLitMenuBar(kDisplayCode))},
        {"menu-over-1.bmp", encodeBmp24(drawLitMenuBar(kExit))},
        {"menu-1.bmp", encodeBmp24(drawPlainMenuBar(kExit))},
        {"menu-0.bmp", encodeBmp24(drawPlainMenuBar(kDisplayCode))},
        {"ball.bmp", encodeBmp24(drawBall())},
        {"hand.cur", encodeCursor(drawHandCursor(), kHandHotSpot)},
        {"hand.png", encodePng(drawHandCursor()), false},  // its image ready to use
        {"greatest-answer.bmp", encodeBmp24(drawClubCrest())},
        {"greatest.bmp", questionMark},
        {"face.bmp", encodeBmp24(drawFace())},
        {"greatest-question.bmp", questionMark},
        {"tarnley.bmp", encodeBmp24(drawTarnleyCrest())},
    };
}

std::vector<AssetFile> faceFrames() {
    std::vector<AssetFile> files;
    const std::vector<QImage> frames = drawFaceFrames();
    for (size_t i = 0; i < frames.size(); ++i) {
        files.push_back({QStringLiteral("faces/face %1.bmp").arg(i), encodeBmp24(frames[i])});
    }
    return files;
}

// The window icon, also as its two images ready to use (PNG needs no icon reader), and the
// icon theme's sizes for the desktop.
std::vector<AssetFile> programIcons() {
    const QImage large = drawProgramIcon(32), small = drawProgramIcon(16);
    std::vector<AssetFile> files = {{"kinemora.ico", encodeIcon({large, small})},
                                    {"kinemora-32.png", encodePng(large)},
                                    {"kinemora-16.png", encodePng(small)}};
    for (const int size : kThemeIconSizes) {
        files.push_back(
            {QStringLiteral("icons/%1.png").arg(size), encodePng(drawProgramIcon(size)), false});
    }
    files.push_back({"icons/scalable.svg", scalableIconSvg(), false});
    return files;
}

}  // namespace

std::vector<AssetFile> buildAssetFiles() {
    std::vector<AssetFile> files = windowPictures();
    for (AssetFile& frame : faceFrames()) files.push_back(std::move(frame));
    for (AssetFile& icon : programIcons()) files.push_back(std::move(icon));
    return files;
}

#include "asset_files.h"

#include "ball.h"
#include "bmp_writer.h"
#include "club_crest.h"
#include "face.h"
#include "hand_cursor.h"
#include "icon_writer.h"
#include "menu_bar.h"
#include "program_icon.h"
#include "question_mark.h"
#include "tarnley_crest.h"

namespace {

const QString kDisplayCode = QStringLiteral("Display the project code");
const QString kExit = QStringLiteral("Exit Application");

std::vector<AssetFile> windowPictures() {
    const QByteArray questionMark = encodeBmp24(drawQuestionMark());
    return {
        {"menu-over-0.bmp", encodeBmp24(drawLitMenuBar(kDisplayCode))},
        {"menu-over-1.bmp", encodeBmp24(drawLitMenuBar(kExit))},
        {"menu-1.bmp", encodeBmp24(drawPlainMenuBar(kExit))},
        {"menu-0.bmp", encodeBmp24(drawPlainMenuBar(kDisplayCode))},
        {"ball.bmp", encodeBmp24(drawBall())},
        {"hand.cur", encodeCursor(drawHandCursor(), kHandHotSpot)},
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

}  // namespace

std::vector<AssetFile> buildAssetFiles() {
    std::vector<AssetFile> files = windowPictures();
    for (AssetFile& frame : faceFrames()) files.push_back(std::move(frame));
    files.push_back({"kinemora.ico", encodeIcon({drawProgramIcon32(), drawProgramIcon16()})});
    return files;
}

// Checks the committed picture files byte by byte where the file form matters and, through
// Qt's image readers, pixel by pixel where the picture's content matters.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <set>
#include <utility>

namespace {

const QString kAssetsDir = QStringLiteral(KINEMORA_ASSETS_DIR);

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kDarkRed = qRgb(191, 0, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr QRgb kSilver = qRgb(192, 192, 192);
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kMenuCorner = qRgb(164, 198, 221);

QString assetPath(const QString& name) {
    return kAssetsDir + '/' + name;
}

QByteArray readBytes(const QString& name) {
    QFile file(assetPath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

uint32_t byteAt(const QByteArray& bytes, int offset) {
    return static_cast<uint8_t>(bytes.at(offset));
}
uint32_t u16At(const QByteArray& bytes, int offset) {
    return byteAt(bytes, offset) | byteAt(bytes, offset + 1) << 8;
}
uint32_t u32At(const QByteArray& bytes, int offset) {
    return u16At(bytes, offset) | u16At(bytes, offset + 2) << 16;
}

QImage loadImage(const QString& name) {
    const QImage image(assetPath(name));
    EXPECT_FALSE(image.isNull()) << name.toStdString();
    return image;
}

std::set<QRgb> coloursOf(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    }
    return colours;
}

QRect boundsOf(const QImage& image, QRgb colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// --- Every bitmap file: 24-bit, bottom-up, 96 dpi, no palette. ---

struct BitmapFile {
    const char* name;
    int width;
    int height;
    int fileBytes;
};

const BitmapFile kBitmapFiles[] = {
    {"menu-over-0.bmp", 200, 26, 15654},
    {"menu-over-1.bmp", 200, 26, 15654},
    {"menu-1.bmp", 200, 26, 15654},
    {"menu-0.bmp", 200, 26, 15654},
    {"ball.bmp", 23, 23, 1710},
    {"greatest-answer.bmp", 57, 49, 8482},
    {"greatest.bmp", 57, 49, 8482},
    {"face.bmp", 48, 48, 6966},
    {"greatest-question.bmp", 57, 49, 8482},
    {"tarnley.bmp", 58, 49, 8678},
    {"faces/face 0.bmp", 48, 48, 6966},
    {"faces/face 1.bmp", 48, 48, 6966},
    {"faces/face 2.bmp", 48, 48, 6966},
    {"faces/face 3.bmp", 48, 48, 6966},
    {"faces/face 4.bmp", 48, 48, 6966},
    {"faces/face 5.bmp", 48, 48, 6966},
    {"faces/face 6.bmp", 48, 48, 6966},
    {"faces/face 7.bmp", 48, 48, 6966},
};

void PrintTo(const BitmapFile& file, std::ostream* out) {
    *out << file.name;
}

class BitmapFileTest : public ::testing::TestWithParam<BitmapFile> {};

TEST_P(BitmapFileTest, HasTheCommonHeaders) {
    const BitmapFile& expected = GetParam();
    const QByteArray bytes = readBytes(expected.name);
    ASSERT_EQ(bytes.size(), expected.fileBytes);
    const int stride = (expected.width * 3 + 3) / 4 * 4;

    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(u32At(bytes, 2), static_cast<uint32_t>(expected.fileBytes));
    EXPECT_EQ(u32At(bytes, 6), 0u);  // both reserved words
    EXPECT_EQ(u32At(bytes, 10), 54u);

    EXPECT_EQ(u32At(bytes, 14), 40u);
    EXPECT_EQ(u32At(bytes, 18), static_cast<uint32_t>(expected.width));
    EXPECT_EQ(u32At(bytes, 22), static_cast<uint32_t>(expected.height));  // positive: bottom-up
    EXPECT_EQ(u16At(bytes, 26), 1u);
    EXPECT_EQ(u16At(bytes, 28), 24u);
    EXPECT_EQ(u32At(bytes, 30), 0u);
    EXPECT_EQ(u32At(bytes, 34), static_cast<uint32_t>(stride * expected.height));
    EXPECT_EQ(u32At(bytes, 38), 3780u);
    EXPECT_EQ(u32At(bytes, 42), 3780u);
    EXPECT_EQ(u32At(bytes, 46), 0u);
    EXPECT_EQ(u32At(bytes, 50), 0u);
}

TEST_P(BitmapFileTest, LoadsAtItsOwnSize) {
    const BitmapFile& expected = GetParam();
    EXPECT_EQ(loadImage(expected.name).size(), QSize(expected.width, expected.height));
}

INSTANTIATE_TEST_SUITE_P(Assets, BitmapFileTest, ::testing::ValuesIn(kBitmapFiles),
                         [](const ::testing::TestParamInfo<BitmapFile>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

// --- Menu bars ---

constexpr int kBarWidth = 200;
constexpr int kBarHeight = 26;

// The top and bottom rows lose 7 pixels at the left and 6 at the right, one fewer on each row
// towards the middle.
bool isMenuCorner(int x, int y) {
    const int rowsFromEdge = std::min(y, kBarHeight - 1 - y);
    return x < 7 - rowsFromEdge || x >= kBarWidth - std::max(0, 6 - rowsFromEdge);
}

QRgb negative(QRgb colour) {
    return qRgb(255 - qRed(colour), 255 - qGreen(colour), 255 - qBlue(colour));
}

// The bar's own shade on a row, taken right of the words and clear of the corners.
QRgb rowShade(const QImage& bar, int y) {
    return bar.pixel(190, y);
}

void expectNear(QRgb actual, QRgb expected, int tolerance) {
    EXPECT_NEAR(qRed(actual), qRed(expected), tolerance);
    EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance);
    EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance);
}

TEST(MenuBarTest, CornersAreCutAtFortyFiveDegreesInTheCornerColour) {
    for (const char* name : {"menu-over-0.bmp", "menu-over-1.bmp", "menu-0.bmp", "menu-1.bmp"}) {
        SCOPED_TRACE(name);
        const QImage bar = loadImage(name);
        int corners = 0;
        for (int y = 0; y < kBarHeight; ++y) {
            for (int x = 0; x < kBarWidth; ++x) {
                const bool cornerColour = bar.pixel(x, y) == kMenuCorner;
                EXPECT_EQ(cornerColour, isMenuCorner(x, y)) << "pixel " << x << "," << y;
                corners += cornerColour;
            }
        }
        EXPECT_EQ(corners, 98);
    }
}

TEST(MenuBarTest, LitBarsFadeEvenlyFromWhiteToBlue) {
    for (const char* name : {"menu-over-0.bmp", "menu-over-1.bmp"}) {
        SCOPED_TRACE(name);
        const QImage bar = loadImage(name);
        EXPECT_EQ(rowShade(bar, 0), kWhite);
        EXPECT_EQ(rowShade(bar, 1), kWhite);
        EXPECT_EQ(rowShade(bar, 25), qRgb(12, 122, 177));
        expectNear(rowShade(bar, 2), qRgb(250, 252, 253), 2);
        expectNear(rowShade(bar, 10), qRgb(171, 209, 228), 2);
        expectNear(rowShade(bar, 18), qRgb(84, 161, 200), 2);

        const std::array<double, 3> meanStep = {(250 - 12) / 23.0, (252 - 122) / 23.0,
                                                (253 - 177) / 23.0};
        for (int y = 3; y < kBarHeight; ++y) {
            const QRgb above = rowShade(bar, y - 1);
            const QRgb here = rowShade(bar, y);
            EXPECT_NEAR(qRed(above) - qRed(here), meanStep[0], 1.5) << "row " << y;
            EXPECT_NEAR(qGreen(above) - qGreen(here), meanStep[1], 1.5) << "row " << y;
            EXPECT_NEAR(qBlue(above) - qBlue(here), meanStep[2], 1.5) << "row " << y;
        }
    }
}

// No anti-aliased edge may leave an in-between colour round the letters.
TEST(MenuBarTest, LitBarsHoldOnlyTheRowShadeTheCornersAndPureBlue) {
    for (const char* name : {"menu-over-0.bmp", "menu-over-1.bmp"}) {
        SCOPED_TRACE(name);
        const QImage bar = loadImage(name);
        for (int y = 0; y < kBarHeight; ++y) {
            for (int x = 0; x < kBarWidth; ++x) {
                const QRgb pixel = bar.pixel(x, y);
                EXPECT_TRUE(pixel == rowShade(bar, y) || pixel == kBlue || isMenuCorner(x, y))
                    << "pixel " << x << "," << y;
            }
        }
    }
}

TEST(MenuBarTest, WordsStartAtColumnFifteenOnRowsSevenToNineteen) {
    struct Words {
        const char* name;
        int lastColumn;
    };
    for (const Words& words : {Words{"menu-over-0.bmp", 144}, Words{"menu-over-1.bmp", 98}}) {
        SCOPED_TRACE(words.name);
        const QRect ink = boundsOf(loadImage(words.name), kBlue);
        EXPECT_EQ(ink.left(), 15);
        EXPECT_EQ(ink.top(), 7);
        EXPECT_EQ(ink.bottom(), 19);
        EXPECT_NEAR(ink.right(), words.lastColumn, 3);
    }
}

TEST(MenuBarTest, PlainBarsAreNegativesOfLitBarsExceptTheCorners) {
    for (const auto& [lit, plain] :
         {std::pair{"menu-over-0.bmp", "menu-0.bmp"}, std::pair{"menu-over-1.bmp", "menu-1.bmp"}}) {
        SCOPED_TRACE(plain);
        const QImage litBar = loadImage(lit);
        const QImage plainBar = loadImage(plain);
        for (int y = 0; y < kBarHeight; ++y) {
            for (int x = 0; x < kBarWidth; ++x) {
                const QRgb expected =
                    isMenuCorner(x, y) ? kMenuCorner : negative(litBar.pixel(x, y));
                EXPECT_EQ(plainBar.pixel(x, y), expected) << "pixel " << x << "," << y;
            }
        }
    }
}

// --- Ball, question mark, face ---

TEST(PictureContentTest, BallIsCyanWithBlackSeamsOnWhite) {
    const QImage ball = loadImage("ball.bmp");
    EXPECT_EQ(coloursOf(ball), (std::set<QRgb>{kCyan, kBlack, kWhite}));
    for (const QPoint corner : {QPoint(0, 0), QPoint(22, 0), QPoint(0, 22), QPoint(22, 22)}) {
        EXPECT_EQ(ball.pixel(corner), kWhite);
    }
    EXPECT_EQ(boundsOf(ball, kBlack), QRect(0, 0, 23, 23));  // the outline touches every side
}

TEST(PictureContentTest, QuestionMarkIsYellowOnBlueInItsBox) {
    const QImage question = loadImage("greatest.bmp");
    EXPECT_EQ(coloursOf(question), (std::set<QRgb>{kBlue, kYellow}));
    EXPECT_EQ(boundsOf(question, kYellow), QRect(QPoint(20, 12), QPoint(37, 36)));

    // The dot: five rows of five pixels, two clear rows above it.
    const QImage belowStem = question.copy(0, 30, question.width(), 7);
    EXPECT_EQ(boundsOf(belowStem, kYellow).height(), 5);
    EXPECT_EQ(boundsOf(belowStem, kYellow).width(), 5);
    EXPECT_EQ(boundsOf(belowStem, kYellow).top(), 2);
}

TEST(PictureContentTest, BothQuestionPicturesAreIdentical) {
    EXPECT_EQ(readBytes("greatest.bmp"), readBytes("greatest-question.bmp"));
}

TEST(PictureContentTest, FacesUseOnlyTheFiveFaceColours) {
    const std::set<QRgb> faceColours = {kDarkRed, kRed, kBlack, kYellow, kWhite};
    EXPECT_EQ(coloursOf(loadImage("face.bmp")), faceColours);
    for (int frame = 0; frame < 8; ++frame) {
        const QString name = QStringLiteral("faces/face %1.bmp").arg(frame);
        EXPECT_EQ(coloursOf(loadImage(name)), faceColours) << name.toStdString();
    }
}

TEST(PictureContentTest, FaceAnimationStartsFromTheStillFaceAndMovesEveryFrame) {
    EXPECT_EQ(readBytes("faces/face 0.bmp"), readBytes("face.bmp"));
    for (int frame = 0; frame < 8; ++frame) {
        const QString name = QStringLiteral("faces/face %1.bmp").arg(frame);
        const QString next = QStringLiteral("faces/face %1.bmp").arg((frame + 1) % 8);
        EXPECT_NE(readBytes(name), readBytes(next)) << name.toStdString();
    }
}

// --- Hand cursor ---

TEST(HandCursorTest, HeadersDescribeOne32By32CursorWithItsHotSpot) {
    const QByteArray bytes = readBytes("hand.cur");
    ASSERT_EQ(bytes.size(), 766);
    EXPECT_EQ(u16At(bytes, 0), 0u);
    EXPECT_EQ(u16At(bytes, 2), 2u);  // cursor
    EXPECT_EQ(u16At(bytes, 4), 1u);

    EXPECT_EQ(byteAt(bytes, 6), 32u);
    EXPECT_EQ(byteAt(bytes, 7), 32u);
    EXPECT_EQ(byteAt(bytes, 8), 0u);
    EXPECT_EQ(byteAt(bytes, 9), 0u);
    EXPECT_EQ(u16At(bytes, 10), 12u);  // hot spot x
    EXPECT_EQ(u16At(bytes, 12), 1u);   // hot spot y
    EXPECT_EQ(u32At(bytes, 14), 744u);
    EXPECT_EQ(u32At(bytes, 18), 22u);

    EXPECT_EQ(u32At(bytes, 22), 40u);
    EXPECT_EQ(u32At(bytes, 26), 32u);
    EXPECT_EQ(u32At(bytes, 30), 64u);  // colour image and mask
    EXPECT_EQ(u16At(bytes, 34), 1u);
    EXPECT_EQ(u16At(bytes, 36), 4u);
    EXPECT_EQ(u32At(bytes, 38), 0u);
    EXPECT_EQ(u32At(bytes, 42), 640u);
    for (int offset = 46; offset < 62; offset += 4) EXPECT_EQ(u32At(bytes, offset), 0u);
}

TEST(HandCursorTest, PaletteIsTheStandardSixteenColours) {
    const std::array<QRgb, 16> standard = {kBlack,
                                           qRgb(128, 0, 0),
                                           qRgb(0, 128, 0),
                                           qRgb(128, 128, 0),
                                           kNavy,
                                           qRgb(128, 0, 128),
                                           qRgb(0, 128, 128),
                                           kGrey,
                                           kSilver,
                                           kRed,
                                           qRgb(0, 255, 0),
                                           kYellow,
                                           kBlue,
                                           qRgb(255, 0, 255),
                                           kCyan,
                                           kWhite};
    const QByteArray bytes = readBytes("hand.cur");
    for (int i = 0; i < 16; ++i) {
        const int quad = 62 + 4 * i;
        EXPECT_EQ(qRgb(byteAt(bytes, quad + 2), byteAt(bytes, quad + 1), byteAt(bytes, quad)),
                  standard[i])
            << "entry " << i;
        EXPECT_EQ(byteAt(bytes, quad + 3), 0u);
    }
}

// A masked pixel with any colour but black would invert the screen beneath it.
TEST(HandCursorTest, MaskedPixelsAreBlack) {
    constexpr int kColourRows = 126;  // after headers and palette
    constexpr int kMaskRows = kColourRows + 512;
    const QByteArray bytes = readBytes("hand.cur");
    int masked = 0;
    for (int row = 0; row < 32; ++row) {
        for (int x = 0; x < 32; ++x) {
            const bool transparent = byteAt(bytes, kMaskRows + row * 4 + x / 8) >> (7 - x % 8) & 1;
            const uint32_t colourPair = byteAt(bytes, kColourRows + row * 16 + x / 2);
            const uint32_t colour = x % 2 == 0 ? colourPair >> 4 : colourPair & 0x0F;
            if (transparent) {
                EXPECT_EQ(colour, 0u) << "pixel " << x << " of stored row " << row;
            }
            masked += transparent;
        }
    }
    EXPECT_GT(masked, 0);
    EXPECT_LT(masked, 32 * 32);
}

TEST(HandCursorTest, HandFillsItsBoxAroundTheFingerTip) {
    const QImage cursor = loadImage("hand.cur").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    QRect hand;
    std::set<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (qAlpha(cursor.pixel(x, y)) == 0) continue;
            hand |= QRect(x, y, 1, 1);
            colours.insert(cursor.pixel(x, y));
        }
    }
    EXPECT_EQ(hand, QRect(QPoint(5, 1), QPoint(23, 29)));
    EXPECT_EQ(qAlpha(cursor.pixel(12, 1)), 255);
    EXPECT_EQ(colours, (std::set<QRgb>{kWhite, kGrey, kSilver, kBlack, kNavy, kBlue}));
    EXPECT_EQ(cursor.pixel(12, 26), kBlue);  // the cuff's highlight
}

// --- Program icon ---

TEST(ProgramIconTest, HoldsA32And16PixelImageThatQtReads) {
    const QByteArray bytes = readBytes("kinemora.ico");
    ASSERT_GE(bytes.size(), 38);
    EXPECT_EQ(u16At(bytes, 0), 0u);
    EXPECT_EQ(u16At(bytes, 2), 1u);  // icon
    ASSERT_EQ(u16At(bytes, 4), 2u);
    const std::array<int, 2> sizes = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        EXPECT_EQ(byteAt(bytes, entry), static_cast<uint32_t>(sizes[i]));
        EXPECT_EQ(byteAt(bytes, entry + 1), static_cast<uint32_t>(sizes[i]));
        EXPECT_LE(u32At(bytes, entry + 12) + u32At(bytes, entry + 8),
                  static_cast<uint32_t>(bytes.size()));
    }

    QImageReader reader(assetPath("kinemora.ico"));
    ASSERT_EQ(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        if (i > 0) {
            ASSERT_TRUE(reader.jumpToNextImage());
        }
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(sizes[i], sizes[i]));
        const std::set<QRgb> colours = coloursOf(image);
        for (QRgb colour : {kWhite, kCyan, kBlack, kGrey}) {
            EXPECT_TRUE(colours.contains(colour))
                << "image " << i << " lacks #" << std::hex << colour;
        }
        EXPECT_EQ(qAlpha(image.pixel(sizes[i] - 1, 0)), 0);  // transparent around the window
    }
}

}  // namespace

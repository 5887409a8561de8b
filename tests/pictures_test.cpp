// The committed picture files: byte by byte where the file form matters, and pixel by pixel
// through Qt's image readers where the content matters.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0), kBlue = qRgb(0, 0, 255);
constexpr QRgb kYellow = qRgb(255, 255, 0), kCyan = qRgb(0, 255, 255), kRed = qRgb(255, 0, 0);
constexpr QRgb kGrey = qRgb(128, 128, 128), kSilver = qRgb(192, 192, 192);
constexpr QRgb kNavy = qRgb(0, 0, 128), kMenuCorner = qRgb(164, 198, 221);
using Colours = std::set<QRgb>;
const Colours kFaceColours = {qRgb(191, 0, 0), kRed, kBlack, kYellow, kWhite};
const QString kDir = QStringLiteral(KINEMORA_ASSETS_DIR "/");

QByteArray bytesOf(const QString& name) {
    QFile file(kDir + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The little-endian number of `size` bytes at `offset`.
uint32_t le(const QByteArray& bytes, int offset, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | uint8_t(bytes.at(offset + i));
    return value;
}

using Field = std::tuple<int, int, uint32_t>;  // offset, size in bytes, value
void expectFields(const QByteArray& bytes, std::initializer_list<Field> fields) {
    for (const auto& [at, size, value] : fields) EXPECT_EQ(le(bytes, at, size), value) << at;
}

template <typename Visit>
void eachPixel(const QImage& image, Visit visit) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) visit(x, y, image.pixel(x, y));
    }
}

Colours coloursOf(const QImage& image) {
    Colours colours;
    eachPixel(image, [&](int, int, QRgb p) { colours.insert(p); });
    return colours;
}

QRect boundsOf(const QImage& image, QRgb colour) {
    QRect bounds;
    eachPixel(image, [&](int x, int y, QRgb p) {
        if (p == colour) bounds |= QRect(x, y, 1, 1);
    });
    return bounds;
}

// Every bitmap: 24-bit, bottom-up, 96 dpi, no palette; an empty colour set is not checked.
struct Bitmap {
    QString name;
    int width, height, fileBytes;
    Colours colours = {};
};

std::vector<Bitmap> bitmaps() {
    // clang-format off
    std::vector<Bitmap> files = {
        {"menu-over-0.bmp", 200, 26, 15654}, {"menu-over-1.bmp", 200, 26, 15654},
        {"menu-1.bmp", 200, 26, 15654}, {"menu-0.bmp", 200, 26, 15654},
        {"ball.bmp", 23, 23, 1710, {kCyan, kBlack, kWhite}}, {"greatest-answer.bmp", 57, 49, 8482},
        {"greatest.bmp", 57, 49, 8482, {kBlue, kYellow}}, {"face.bmp", 48, 48, 6966, kFaceColours},
        {"greatest-question.bmp", 57, 49, 8482, {kBlue, kYellow}}, {"tarnley.bmp", 58, 49, 8678}};
    // clang-format on
    for (int i = 0; i < 8; ++i)
        files.push_back({QString("faces/face %1.bmp").arg(i), 48, 48, 6966, kFaceColours});
    return files;
}

TEST(Bitmaps, HeadersSizesAndColours) {
    for (const Bitmap& b : bitmaps()) {
        SCOPED_TRACE(b.name.toStdString());
        const QByteArray bytes = bytesOf(b.name);
        ASSERT_EQ(bytes.size(), b.fileBytes);
        EXPECT_EQ(bytes.left(2), "BM");
        const uint32_t size = b.fileBytes, w = b.width, h = b.height, stride = (w * 3 + 3) / 4 * 4;
        // clang-format off
        expectFields(bytes, {{2, 4, size}, {6, 4, 0}, {10, 4, 54}, {14, 4, 40}, {18, 4, w},
                             {22, 4, h}, {26, 2, 1}, {28, 2, 24}, {30, 4, 0}, {34, 4, stride * h},
                             {38, 4, 3780}, {42, 4, 3780}, {46, 4, 0}, {50, 4, 0}});
        // clang-format on
        const QImage image(kDir + b.name);
        EXPECT_EQ(image.size(), QSize(b.width, b.height));
        if (!b.colours.empty()) {
            EXPECT_EQ(coloursOf(image), b.colours);
        }
    }
}

// Top and bottom rows lose 7 pixels at the left and 6 at the right, one fewer per row inwards.
bool isMenuCorner(int x, int y) {
    const int fromEdge = std::min(y, 25 - y);
    return x < 7 - fromEdge || x >= 200 - std::max(0, 6 - fromEdge);
}

QRgb negative(QRgb c) {
    return qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c));
}

// The lit bars' shade on some rows (right of the words, clear of the corners), with tolerance.
// clang-format off
const std::tuple<int, QRgb, int> kShades[] = {{0, kWhite, 0}, {1, kWhite, 0},
    {2, qRgb(250, 252, 253), 2}, {10, qRgb(171, 209, 228), 2}, {18, qRgb(84, 161, 200), 2},
    {25, qRgb(12, 122, 177), 0}};
// clang-format on

// Lit bars fade evenly from white to blue and hold only the row's shade, the corners and pure
// blue words (no anti-aliased edges); plain bars are their exact negatives except the corners.
TEST(MenuBars, CornersGradientWordsAndNegatives) {
    for (const auto& [lit, plain, wordsEnd] : {std::tuple{"menu-over-0.bmp", "menu-0.bmp", 144},
                                               std::tuple{"menu-over-1.bmp", "menu-1.bmp", 98}}) {
        SCOPED_TRACE(plain);
        const QImage litBar(kDir + lit), plainBar(kDir + plain);
        const auto shade = [&](int y) { return litBar.pixel(190, y); };
        int litCorners = 0, plainCorners = 0;
        eachPixel(litBar, [&](int x, int y, QRgb p) {
            const bool corner = isMenuCorner(x, y);
            EXPECT_EQ(p == kMenuCorner, corner) << x << "," << y;
            EXPECT_TRUE(p == shade(y) || p == kBlue || corner) << x << "," << y;
            EXPECT_EQ(plainBar.pixel(x, y), corner ? kMenuCorner : negative(p)) << x << "," << y;
            litCorners += p == kMenuCorner;
            plainCorners += plainBar.pixel(x, y) == kMenuCorner;
        });
        EXPECT_EQ(litCorners, 98);
        EXPECT_EQ(plainCorners, 98);
        const QRect ink = boundsOf(litBar, kBlue);
        EXPECT_EQ(QList({ink.left(), ink.top(), ink.bottom()}), QList({15, 7, 19}));
        EXPECT_NEAR(ink.right(), wordsEnd, 3);
        for (const auto& [y, c, tolerance] : kShades) {
            EXPECT_NEAR(qRed(shade(y)), qRed(c), tolerance) << y;
            EXPECT_NEAR(qGreen(shade(y)), qGreen(c), tolerance) << y;
            EXPECT_NEAR(qBlue(shade(y)), qBlue(c), tolerance) << y;
        }
        for (int y = 3; y < 26; ++y) {
            EXPECT_NEAR(qRed(shade(y - 1)) - qRed(shade(y)), (250 - 12) / 23.0, 1.5) << y;
            EXPECT_NEAR(qGreen(shade(y - 1)) - qGreen(shade(y)), (252 - 122) / 23.0, 1.5) << y;
            EXPECT_NEAR(qBlue(shade(y - 1)) - qBlue(shade(y)), (253 - 177) / 23.0, 1.5) << y;
        }
    }
}

TEST(Pictures, BallQuestionMarkAndFaceFrames) {
    const QImage ball(kDir + "ball.bmp");
    EXPECT_EQ(QList({ball.pixel(0, 0), ball.pixel(22, 0), ball.pixel(0, 22), ball.pixel(22, 22)}),
              QList<QRgb>(4, kWhite));
    EXPECT_EQ(boundsOf(ball, kBlack), QRect(0, 0, 23, 23));  // the outline touches every side
    const QImage question(kDir + "greatest.bmp");
    EXPECT_EQ(boundsOf(question, kYellow), QRect(QPoint(20, 12), QPoint(37, 36)));
    // The dot: five rows of five pixels, two clear rows above it.
    const QRect dot = boundsOf(question.copy(0, 30, 57, 7), kYellow);
    EXPECT_EQ(QList({dot.width(), dot.height(), dot.top()}), QList({5, 5, 2}));
    EXPECT_EQ(bytesOf("greatest.bmp"), bytesOf("greatest-question.bmp"));
    EXPECT_EQ(bytesOf("faces/face 0.bmp"), bytesOf("face.bmp"));
    const auto face = [](int i) { return bytesOf(QStringLiteral("faces/face %1.bmp").arg(i % 8)); };
    // Every frame moves, the last one back to the first.
    for (int i = 0; i < 8; ++i) EXPECT_NE(face(i), face(i + 1)) << i;
}

TEST(HandCursor, HeaderPaletteMaskAndHotSpot) {
    const QByteArray bytes = bytesOf("hand.cur");
    ASSERT_EQ(bytes.size(), 766);
    // One 32x32 cursor, hot spot 12,1; 4-bit colour image plus mask (height 64), no compression.
    expectFields(bytes,
                 {{0, 2, 0},   {2, 2, 2},  {4, 2, 1},    {6, 1, 32},  {7, 1, 32},   {8, 2, 0},
                  {10, 2, 12}, {12, 2, 1}, {14, 4, 744}, {18, 4, 22}, {22, 4, 40},  {26, 4, 32},
                  {30, 4, 64}, {34, 2, 1}, {36, 2, 4},   {38, 4, 0},  {42, 4, 640}, {46, 4, 0},
                  {50, 4, 0},  {54, 4, 0}, {58, 4, 0}});
    const uint32_t standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(le(bytes, 62 + 4 * i, 4), standard[i]) << "entry " << i;

    // A masked pixel of any colour but black would invert the screen beneath it.
    constexpr int kColourRows = 126, kMaskRows = kColourRows + 512;
    int masked = 0;
    for (int row = 0; row < 32; ++row) {
        for (int x = 0; x < 32; ++x) {
            const bool clear = le(bytes, kMaskRows + row * 4 + x / 8, 1) >> (7 - x % 8) & 1;
            const uint32_t pair = le(bytes, kColourRows + row * 16 + x / 2, 1);
            EXPECT_EQ(clear ? (x % 2 ? pair & 0x0F : pair >> 4) : 0u, 0u) << x << " row " << row;
            masked += clear;
        }
    }
    EXPECT_GT(masked, 0);
    EXPECT_LT(masked, 32 * 32);

    const QImage cursor = QImage(kDir + "hand.cur").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    QRect hand;
    Colours colours;
    eachPixel(cursor, [&](int x, int y, QRgb p) {
        if (qAlpha(p) == 0) return;
        hand |= QRect(x, y, 1, 1);
        colours.insert(p);
    });
    EXPECT_EQ(hand, QRect(QPoint(5, 1), QPoint(23, 29)));
    EXPECT_EQ(qAlpha(cursor.pixel(12, 1)), 255);  // the finger tip at the hot spot
    EXPECT_EQ(colours, (Colours{kWhite, kGrey, kSilver, kBlack, kNavy, kBlue}));
    EXPECT_EQ(cursor.pixel(12, 26), kBlue);  // the cuff's highlight
    // The program shows the pointer from its ready-made PNG, which must be the cursor's image.
    EXPECT_EQ(QImage(kDir + "hand.png").convertToFormat(QImage::Format_ARGB32), cursor);
}

TEST(ProgramIcon, HoldsA32And16PixelImageThatQtReads) {
    const QByteArray bytes = bytesOf("kinemora.ico");
    ASSERT_GE(bytes.size(), 38);
    expectFields(
        bytes, {{0, 2, 0}, {2, 2, 1}, {4, 2, 2}, {6, 1, 32}, {7, 1, 32}, {22, 1, 16}, {23, 1, 16}});
    for (const int entry : {6, 22})
        EXPECT_LE(le(bytes, entry + 12, 4) + le(bytes, entry + 8, 4), uint32_t(bytes.size()));
    QImageReader reader(kDir + "kinemora.ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (const int size : {32, 16}) {
        ASSERT_TRUE(size == 32 || reader.jumpToNextImage());
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));
        const Colours colours = coloursOf(image);
        for (QRgb c : {kWhite, kCyan, kBlack, kGrey}) EXPECT_TRUE(colours.contains(c)) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0);  // transparent around the window
    }
}

// The windows show the icon from two ready-made PNGs: they must be the icon file's images. The
// desktop's icon theme has the same window at every size.
TEST(ProgramIcon, ReadyMadeImagesMatchTheIconFileAndTheThemeSizes) {
    QImageReader reader(kDir + "kinemora.ico");
    for (const int size : {32, 16}) {
        ASSERT_TRUE(size == 32 || reader.jumpToNextImage());
        const QImage fromIcon = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage png = QImage(kDir + QString("kinemora-%1.png").arg(size))
                               .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(png, fromIcon) << size;
    }
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image =
            QImage(kDir + QString("icons/%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(size, size));
        const Colours colours = coloursOf(image);
        for (QRgb c : {kWhite, kCyan, kBlack, kGrey}) EXPECT_TRUE(colours.contains(c)) << size;
        EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0) << size;
    }
}

}  // namespace

// Picture loading and sequential text input, on real files in a temporary directory.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

#include "platform/forms.h"
#include "support/harness.h"

namespace {

using namespace forms;
using testing_support::Harness;

int errorOf(const std::function<void()>& code) {
    try {
        code();
    } catch (const RuntimeError& error) {
        return error.number;
    }
    return 0;
}

QByteArray encoded(const char* format) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A whole bitmap whose header claims another size than its pixel data has.
QByteArray bitmapClaiming(qint32 width, qint32 height) {
    QByteArray bytes = encoded("BMP");
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    return bytes;
}

class FilesTest : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return name;
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    Harness harness_;
    QTemporaryDir dir_;
};

TEST_F(FilesTest, LoadPictureRaisesTheErrorOfEachKindOfBadFile) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    const QByteArray bitmap = encoded("BMP");
    const struct {
        QString name;
        int error;
    } cases[] = {
        {QStringLiteral("missing.bmp"), kFileNotFound},
        {QStringLiteral("folder.bmp"), kPathFileAccess},
        {write(QStringLiteral("garbage.bmp"), "this is not a picture at all"), kInvalidPicture},
        {write(QStringLiteral("empty.bmp"), {}), kInvalidPicture},
        {write(QStringLiteral("short.bmp"), bitmap.left(bitmap.size() - 200)), kInvalidPicture},
        {write(QStringLiteral("huge.bmp"), bitmapClaiming(30000, 30000)), kInvalidPicture},
        {write(QStringLiteral("tall.bmp"), bitmapClaiming(30000, -30000)), kInvalidPicture},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorOf([&] { LoadPicture(path(c.name)); }), c.error) << c.name.toStdString();
}

TEST_F(FilesTest, LoadPictureDecodesByContentAndTakesBackslashes) {
    QDir(dir_.path()).mkdir(QStringLiteral("sub"));
    write(QStringLiteral("sub/really a png.bmp"), encoded("PNG"));
    const Picture picture = LoadPicture(dir_.path() + QStringLiteral("\\sub\\really a png.bmp"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(40, 30));
    EXPECT_FALSE(picture->hotSpot);
}

TEST_F(FilesTest, CursorKeepsTheHotSpotOfItsFile) {
    const Picture hand = LoadPicture(QStringLiteral(KINEMORA_ASSETS_DIR "/hand.cur"));
    ASSERT_TRUE(hand && hand->hotSpot);
    EXPECT_EQ(*hand->hotSpot, QPoint(12, 1));
    EXPECT_EQ(cursorFor(hand).hotSpot(), QPoint(12, 1));
}

TEST_F(FilesTest, TextInputReadsUtf8Windows1252AndNulBytesWhole) {
    // UTF-8 where the bytes are valid UTF-8, Windows-1252 byte by byte where they are not.
    const std::pair<QByteArray, QString> cases[] = {
        {"line one\r\nline two\r\n", QStringLiteral("line one\r\nline two\r\n")},
        {"caf\xC3\xA9 \xE2\x82\xAC", QStringLiteral("caf\u00E9 \u20AC")},
        {"caf\xE9 \x80 \x96", QStringLiteral("caf\u00E9 \u20AC \u2013")},
        {"\xC3\xA9\xE9", QStringLiteral("\u00E9\u00E9")},
        {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
        {"\xC0\x80", QStringLiteral("\u00C0\u20AC")},            // overlong NUL
        {"\xED\xA0\x80", QStringLiteral("\u00ED\u00A0\u20AC")},  // encoded surrogate
        {"end\xE2\x82", QStringLiteral("end\u00E2\u201A")},      // cut-off sequence
        {"\x81\x8D", QStringLiteral("\u0081\u008D")},            // undefined in 1252
        {QByteArray("nul\0inside\0", 11), QStringView(u"nul\0inside\0", 11).toString()},
    };
    for (const auto& [bytes, expected] : cases) {
        const QString file = path(write(QStringLiteral("code.txt"), bytes));
        const QString backslashed = QString(file).replace(QLatin1Char('/'), QLatin1Char('\\'));
        OpenForInput(backslashed, 1);
        EXPECT_FALSE(Eof(1));
        EXPECT_EQ(Input(FileLen(backslashed), 1), expected) << bytes.toHex().constData();
        EXPECT_TRUE(Eof(1));
        Close(1);
    }
}

TEST_F(FilesTest, TextInputErrors) {
    const QString file = path(write(QStringLiteral("code.txt"), "abc"));
    const struct {
        const char* what;
        std::function<void()> code;
        int error;
    } cases[] = {
        {"read unopened", [] { Input(1, 2); }, kBadFileNumber},
        {"end test unopened", [] { Eof(2); }, kBadFileNumber},
        {"close unopened", [] { Close(2); }, kBadFileNumber},
        {"number 0", [&] { OpenForInput(file, 0); }, kBadFileNumber},
        {"missing", [&] { OpenForInput(path(QStringLiteral("none.txt")), 2); }, kFileNotFound},
        {"missing length", [&] { FileLen(path(QStringLiteral("none.txt"))); }, kFileNotFound},
        {"directory", [&] { OpenForInput(dir_.path(), 2); }, kPathFileAccess},
        {"open twice", [&] { OpenForInput(file, 1), OpenForInput(file, 1); }, kFileAlreadyOpen},
        {"past end", [] { Input(3, 1), Input(1, 1); }, kInputPastEnd},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.code), c.error) << c.what;
}

}  // namespace

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

using testing_support::errorOf;

// A 40 x 30 picture in `format`; a bitmap's header may claim another size than its pixels have.
QByteArray encoded(const char* format, qint32 claimedWidth = 0, qint32 claimedHeight = 0) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    if (claimedWidth != 0) {
        qToLittleEndian<qint32>(claimedWidth, bytes.data() + 18);
        qToLittleEndian<qint32>(claimedHeight, bytes.data() + 22);
    }
    return bytes;
}

class FilesTest : public ::testing::Test {
  protected:
    // Writes a file in the temporary directory and returns its full path.
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    testing_support::Harness harness_;
    QTemporaryDir dir_;
};

TEST_F(FilesTest, LoadPictureDecodesByContentAndRaisesTheErrorOfEachKindOfBadFile) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    const QByteArray bitmap = encoded("BMP");
    const std::pair<QString, int> cases[] = {
        {write(QStringLiteral("a png.bmp"), encoded("PNG")).replace('/', '\\'), 0},
        {dir_.filePath(QStringLiteral("missing.bmp")), kFileNotFound},
        {dir_.filePath(QStringLiteral("folder.bmp")), kPathFileAccess},
        {write(QStringLiteral("garbage.bmp"), "this is not a picture at all"), kInvalidPicture},
        {write(QStringLiteral("empty.bmp"), {}), kInvalidPicture},
        {write(QStringLiteral("short.bmp"), bitmap.left(bitmap.size() - 200)), kInvalidPicture},
        {write(QStringLiteral("huge.bmp"), encoded("BMP", 30000, 30000)), kInvalidPicture},
        {write(QStringLiteral("tall.bmp"), encoded("BMP", 30000, -30000)), kInvalidPicture},
    };
    for (const auto& [file, error] : cases)
        EXPECT_EQ(errorOf([&] { LoadPicture(file); }), error) << file.toStdString();

    const Picture hand = LoadPicture(QStringLiteral(KINEMORA_ASSETS_DIR "/hand.cur"));
    ASSERT_TRUE(hand && hand->hotSpot);
    EXPECT_EQ(*hand->hotSpot, QPoint(12, 1));
    EXPECT_EQ(cursorFor(hand).hotSpot(), QPoint(12, 1));
}

TEST_F(FilesTest, TextInputReadsUtf8Windows1252AndNulBytesWhole) {
    // UTF-8 where the bytes are valid UTF-8, Windows-1252 byte by byte where they are not.
    const std::pair<QByteArray, QString> cases[] = {
        {"caf\xC3\xA9 \xE2\x82\xAC", QStringLiteral("caf\u00E9 \u20AC")},
        {"caf\xE9 \x80 \x96", QStringLiteral("caf\u00E9 \u20AC \u2013")},
        {"\xC3\xA9\xE9", QStringLiteral("\u00E9\u00E9")},
        {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
        {"\xC0\x80", QStringLiteral("\u00C0\u20AC")},            // overlong NUL
        {"\xED\xA0\x80", QStringLiteral("\u00ED\u00A0\u20AC")},  // encoded surrogate
        {"end\xE2\x82", QStringLiteral("end\u00E2\u201A")},      // cut-off sequence
        {"\x81\x8D", QStringLiteral("\u0081\u008D")},            // undefined in 1252
        {QByteArray("nul\0in\r\nside\0", 13), QStringView(u"nul\0in\r\nside\0", 13).toString()},
    };
    for (const auto& [bytes, expected] : cases) {
        const QString file = write(QStringLiteral("code.txt"), bytes).replace('/', '\\');
        OpenForInput(file, 1);
        EXPECT_FALSE(Eof(1));
        EXPECT_EQ(Input(FileLen(file), 1), expected) << bytes.toHex().constData();
        EXPECT_TRUE(Eof(1));
        Close(1);
    }
}

TEST_F(FilesTest, TextInputErrors) {
    const QString file = write(QStringLiteral("code.txt"), "abc");
    const QString none = dir_.filePath(QStringLiteral("none.txt"));
    const std::pair<std::function<void()>, int> cases[] = {
        {[] { Input(1, 2); }, kBadFileNumber},
        {[] { Eof(2); }, kBadFileNumber},
        {[] { Close(2); }, kBadFileNumber},
        {[&] { OpenForInput(file, 0); }, kBadFileNumber},
        {[&] { OpenForInput(none, 2); }, kFileNotFound},
        {[&] { FileLen(none); }, kFileNotFound},
        {[&] { OpenForInput(dir_.path(), 2); }, kPathFileAccess},
        {[&] { OpenForInput(file, 1), OpenForInput(file, 1); }, kFileAlreadyOpen},
        {[] { Input(3, 1), Input(1, 1); }, kInputPastEnd},
    };
    int row = 0;
    for (const auto& [code, error] : cases) EXPECT_EQ(errorOf(code), error) << "row " << row++;
}

}  // namespace

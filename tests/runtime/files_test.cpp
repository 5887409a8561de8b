// Picture loading and sequential text input, on real files in a temporary directory.

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <functional>

#include "platform/forms/forms.h"
#include "support/harness.h"

namespace {

using namespace forms;

using testing_support::errorOf;
using testing_support::failureOf;

// Removes the tree `name` under the directory `parent`, however deep (QDir's removal stops at
// the system's path limit).
void removeTree(int parent, const char* name) {
    const int dir = ::openat(parent, name, O_RDONLY | O_DIRECTORY);
    if (dir < 0) {
        ::unlinkat(parent, name, 0);
        return;
    }
    QByteArrayList entries;
    if (DIR* listing = ::fdopendir(::dup(dir))) {
        while (const dirent* entry = ::readdir(listing))
            if (std::strcmp(entry->d_name, ".") && std::strcmp(entry->d_name, ".."))
                entries << entry->d_name;
        ::closedir(listing);
    }
    for (const QByteArray& entry : entries) removeTree(dir, entry.constData());
    ::close(dir);
    ::unlinkat(parent, name, AT_REMOVEDIR);
}

// A one-bit bitmap of width x height pixels: a valid picture in a small file.
QByteArray monoBitmap(qint32 width, qint32 height) {
    const qint32 stride = (width + 31) / 32 * 4;
    QByteArray bytes(62 + stride * height, '\0');
    char* p = bytes.data();
    p[0] = 'B', p[1] = 'M';
    qToLittleEndian<quint32>(bytes.size(), p + 2);
    qToLittleEndian<quint32>(62, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(width, p + 18);
    qToLittleEndian<qint32>(height, p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(1, p + 28);
    qToLittleEndian<quint32>(2, p + 46);
    p[58] = p[59] = p[60] = '\xFF';
    return bytes;
}

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
        {write(QStringLiteral("a jpeg.bmp"), encoded("JPEG")), 0},
        {dir_.filePath(QStringLiteral("missing.bmp")), kFileNotFound},
        {dir_.filePath(QStringLiteral("folder.bmp")), kPathFileAccess},
        {write(QStringLiteral("garbage.bmp"), "this is not a picture at all"), kInvalidPicture},
        {write(QStringLiteral("empty.bmp"), {}), kInvalidPicture},
        {write(QStringLiteral("short.bmp"), bitmap.left(bitmap.size() - 200)), kInvalidPicture},
        {write(QStringLiteral("huge.bmp"), encoded("BMP", 30000, 30000)), kInvalidPicture},
        {write(QStringLiteral("tall.bmp"), encoded("BMP", 30000, -30000)), kInvalidPicture},
    };
    for (const auto& [file, error] : cases)
        EXPECT_EQ(errorOf([&file = file] { LoadPicture(file); }), error) << file.toStdString();

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
        // A byte-order mark says how the rest is written.
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9 \xE9",
         QStringLiteral("caf\u00E9 \u00E9")},
        {QByteArray("\xFF\xFE"
                    "a\0\xAC\x20\x3D\xD8\x00\xDE\r\0\n\0",
                    14),
         QString::fromUtf8("a\u20AC\xF0\x9F\x98\x80\r\n")},
        {QByteArray("\xFE\xFF\0a\x20\xAC\0", 7), QStringLiteral("a\u20AC\uFFFD")},  // odd byte
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

// FIFOs, devices, directories and link loops are refused before anything could block, each
// naming its native path and why; the error numbers stay 53 and 75.
TEST_F(FilesTest, OnlyRegularFilesAreReadAndEachRefusalNamesThePathAndTheReason) {
    const QString fifo = dir_.filePath(QStringLiteral("fifo")),
                  loop = dir_.filePath(QStringLiteral("loop")),
                  dangling = dir_.filePath(QStringLiteral("dangling"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("loop"), loop));
    ASSERT_TRUE(QFile::link(QStringLiteral("nowhere"), dangling));
    const struct {
        QString path;
        int number;
        const char* reason;
    } cases[] = {
        {fifo, kPathFileAccess, "not a regular file (a FIFO)"},
        {QStringLiteral("/dev/zero"), kPathFileAccess, "not a regular file (a character device)"},
        {dir_.path(), kPathFileAccess, "not a regular file (a directory)"},
        {loop, kPathFileAccess, "too many levels of symbolic links"},
        {dangling, kFileNotFound, ""},
        {QStringLiteral("/proc/self/mem"), kPathFileAccess, "input/output error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        for (const auto& read : std::initializer_list<std::function<void()>>{
                 [&] { OpenForInput(c.path, 1); }, [&] { LoadPicture(c.path); }}) {
            const RuntimeError error = failureOf(read);
            EXPECT_EQ(error.number, c.number);
            EXPECT_EQ(error.file, c.path);
            EXPECT_EQ(error.reason, QLatin1String(c.reason));
        }
    }
}

TEST_F(FilesTest, ReadsAreBoundedAndAPictureOverTheLimitsIsTooLargeNotInvalid) {
    const auto sparse = [&](const char* name, qint64 size) {
        QFile file(dir_.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
        return file.fileName();
    };
    const RuntimeError text = failureOf([&] { OpenForInput(sparse("big.txt", 3LL << 30), 1); });
    EXPECT_EQ(text.number, kPathFileAccess);
    EXPECT_EQ(text.reason, "too large: 3 GiB, over the limit of 64 MiB");
    EXPECT_EQ(errorOf([&] { OpenForInput(sparse("cap.txt", kMaxTextBytes), 1); }), 0);
    Close(1);

    const RuntimeError file = failureOf([&] { LoadPicture(sparse("big.bmp", 20 << 20)); });
    const RuntimeError pixels =
        failureOf([&] { LoadPicture(write(QStringLiteral("wide.bmp"), monoBitmap(3000, 3000))); });
    for (const RuntimeError& error : {file, pixels}) {
        EXPECT_EQ(error.number, kInvalidPicture);
        EXPECT_EQ(error.description, "Picture too large");
    }
    EXPECT_EQ(file.reason, "a file of 20 MiB, over the limit of 17 MiB");
    EXPECT_EQ(pixels.reason, "3000 × 3000 pixels, over the limit of 4 megapixels");
    EXPECT_EQ(LoadPicture(write(QStringLiteral("ok.bmp"), monoBitmap(2000, 2000)))->image.width(),
              2000);
}

// A file whose stated size is 0 (procfs) is read whole: FileLen of the open file is what was
// read, so the program's read-FileLen-characters loop takes it in one pass; a read of nothing
// ends the file, so no loop spins for ever.
TEST_F(FilesTest, SequentialInputAlwaysEnds) {
    const QString status = QStringLiteral("/proc/self/status");
    ASSERT_EQ(QFileInfo(status).size(), 0);
    OpenForInput(status, 1);
    const qint64 length = FileLen(status);
    EXPECT_GT(length, 0);
    QString text;
    int reads = 0;
    while (!Eof(1) && reads < 10) text = Input(length, 1), ++reads;
    Close(1);
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Name:")));
    EXPECT_EQ(FileLen(status), 0);  // closed: the size the file system states

    const QString file = write(QStringLiteral("code.txt"), "abc");
    OpenForInput(file, 1);
    EXPECT_EQ(Input(0, 1), QString());
    EXPECT_TRUE(Eof(1));
    Close(1);
}

// The program's directory may be deeper than the system's path limit, and its name may hold a
// "\" that is not a separator.
TEST_F(FilesTest, ProgramDirectoriesOfAnyDepthAndWithABackslashInTheirName) {
    int fd = ::open(QFile::encodeName(dir_.path()).constData(), O_RDONLY | O_DIRECTORY);
    QString deep = dir_.path();
    for (int level = 0; level < 25; ++level) {
        const QByteArray name = "level-" + QByteArray::number(level) + QByteArray(190, 'd');
        ASSERT_EQ(::mkdirat(fd, name.constData(), 0700), 0);
        const int inner = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = inner;
        deep += QLatin1Char('/') + QLatin1String(name);
    }
    const int out = ::openat(fd, "code.txt", O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(::write(out, "deep", 4), 4);
    ::close(out);
    const QByteArray bitmap = encoded("BMP");
    const int picture = ::openat(fd, "face 0.bmp", O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(::write(picture, bitmap.constData(), bitmap.size()), bitmap.size());
    ::close(picture);
    ::close(fd);
    ASSERT_GT(deep.size(), 4096);

    const QString slashed = dir_.filePath(QStringLiteral("back\\slash"));
    ASSERT_TRUE(QDir().mkdir(slashed));
    write(QStringLiteral("back\\slash/code.txt"), "slashed");
    for (const auto& [appPath, expected] : {std::pair{deep, "deep"}, {slashed, "slashed"}}) {
        harness_.runtime().setAppPath(appPath);
        const QString path = App.Path() + QStringLiteral("\\code.txt");
        OpenForInput(path, 1);
        EXPECT_EQ(Input(FileLen(path), 1), QLatin1String(expected));
        Close(1);
    }
    harness_.runtime().setAppPath(deep);
    EXPECT_EQ(LoadPicture(App.Path() + QStringLiteral("\\face 0.bmp"))->image.size(),
              QSize(40, 30));
    removeTree(AT_FDCWD, QFile::encodeName(dir_.filePath(QStringLiteral("level-0") +
                                                         QString(190, QLatin1Char('d'))))
                             .constData());
}

}  // namespace

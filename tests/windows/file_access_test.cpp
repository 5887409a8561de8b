// Reading files on Windows: names go to the system in wide characters with the long-path prefix,
// refusals come from the system's own answers, and a size comes in two 32-bit halves.

#include "platform/files/file_access.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/harness.h"

namespace {

using namespace forms;
using testing_support::failureOf;

class WindowsFileAccessTest : public ::testing::Test {
  protected:
    // A file of `size` bytes (holding `bytes`, then zeros) in the temporary directory; its
    // native path.
    QString write(const QString& name, const QByteArray& bytes, qint64 size = -1) const {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        if (size >= 0) {
            EXPECT_TRUE(file.resize(size));
        }
        return QDir::toNativeSeparators(file.fileName());
    }

    QTemporaryDir dir_;
};

// Letters outside the system's code page reach the file only through the wide-character calls.
TEST_F(WindowsFileAccessTest, ReadsAFileWhosePathHasBlanksAndLettersOfAnyScript) {
    const QString folder = QStringLiteral("Kinemora für Schüler \u0394\u03B5 \u65E5\u672C");
    ASSERT_TRUE(QDir(dir_.path()).mkdir(folder));
    const QString path = write(folder + QStringLiteral("/code \u00FC.txt"), "caf\xC3\xA9\r\n");

    const FileContent content = readRegularFile(path, 64);
    EXPECT_EQ(content.bytes, "caf\xC3\xA9\r\n");
    EXPECT_FALSE(content.overLimit);
    EXPECT_EQ(regularFileSize(path), 7);
}

// A refusal as a failing test shows it: "number path: reason".
std::string refusal(int number, const QString& path, const QString& reason = {}) {
    return QStringLiteral("%1 %2: %3").arg(number).arg(path, reason).toStdString();
}

// How reading `path` is refused, for its bytes and for its size.
std::vector<std::string> refusalsOf(const QString& path) {
    std::vector<std::string> refusals;
    for (const RuntimeError& error :
         {failureOf([&] { readRegularFile(path, 64); }), failureOf([&] { regularFileSize(path); })})
        refusals.push_back(refusal(error.number, error.file, error.reason));
    return refusals;
}

// Each refusal names the path it was given; a device's name (NUL) is an ordinary file name in
// a folder, so a missing one is missing, not the null device read as empty.
TEST_F(WindowsFileAccessTest, RefusesWhatIsNotAnExistingRegularFileNamingThePathAndWhy) {
    const QString native = QDir::toNativeSeparators(dir_.path());
    for (const QString& missing :
         {native + QStringLiteral("\\missing.txt"),
          native + QStringLiteral("\\no folder\\code.txt"), native + QStringLiteral("\\NUL")})
        EXPECT_EQ(refusalsOf(missing), std::vector(2, refusal(kFileNotFound, missing)));
    const std::string directory =
        refusal(kPathFileAccess, native, QStringLiteral("not a regular file (a directory)"));
    EXPECT_EQ(refusalsOf(native), std::vector(2, directory));
}

// A file is read up to the limit exactly; past it, only its size is told, with both halves.
TEST_F(WindowsFileAccessTest, AFileOverTheLimitIsToldByItsWholeSizeNotRead) {
    const QString atLimit = write(QStringLiteral("five.txt"), "12345");
    EXPECT_EQ(readRegularFile(atLimit, 5).bytes, "12345");
    const FileContent over = readRegularFile(atLimit, 4);
    EXPECT_TRUE(over.overLimit);
    EXPECT_TRUE(over.bytes.isEmpty());

    const qint64 huge = (qint64(1) << 32) + 10;  // its low half alone says 10 bytes
    const QString big = write(QStringLiteral("big.txt"), "sparse", huge);
    const FileContent content = readRegularFile(big, 64);
    EXPECT_TRUE(content.overLimit);
    EXPECT_EQ(content.statedSize, huge);
    EXPECT_EQ(regularFileSize(big), huge);
}

}  // namespace

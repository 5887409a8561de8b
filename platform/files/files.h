#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

namespace forms {

// Text in files is read as UTF-8 where its bytes are valid UTF-8, and byte by byte as
// Windows-1252 where they are not; a NUL byte is kept as a character, not an end. A UTF-8 or
// UTF-16 (little- or big-endian) byte-order mark says how the rest is written.
QString decodeText(const QByteArray& bytes);

// The most a text file may hold. Far above any program's text (the largest honest one is a
// few megabytes, and a 50 MB file still loads), yet low enough that its text, held twice (the
// program's string and what the box shows), stays within a few hundred megabytes.
inline constexpr qint64 kMaxTextBytes = 64 * 1024 * 1024;

// The files a program has open for sequential input, by file number, each known by its native
// path.
class FileTable {
  public:
    void openForInput(const QString& nativePath, int fileNumber);
    bool atEnd(int fileNumber) const;
    QString read(qint64 characters, int fileNumber);
    void close(int fileNumber);
    void closeAll() { open_.clear(); }
    // The length of an open file: what it held when it was opened.
    std::optional<qint64> lengthWhileOpen(const QString& nativePath) const;
    // Keeps the text the program reads from one file (its own code, say) for another reader;
    // none until the program has read that file.
    void keepTextOf(const QString& nativePath) { keptPath_ = nativePath; }
    const QString& keptPath() const { return keptPath_; }
    const std::optional<QString>& keptText() const { return keptText_; }

  private:
    struct OpenFile {
        QString nativePath;
        QString text;
        qint64 bytes = 0;  // read when the file was opened
        qsizetype position = 0;
    };
    OpenFile& file(int fileNumber);
    const OpenFile& file(int fileNumber) const;

    std::map<int, OpenFile> open_;
    QString keptPath_;
    std::optional<QString> keptText_;
};

}  // namespace forms

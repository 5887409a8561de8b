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

// The files a program has open for sequential input, by file number.
class FileTable {
  public:
    void openForInput(const QString& path, int fileNumber);
    bool atEnd(int fileNumber) const;
    QString read(qint64 characters, int fileNumber);
    void close(int fileNumber);
    void closeAll() { open_.clear(); }
    // The length of an open file: what it held when it was opened.
    std::optional<qint64> lengthWhileOpen(const QString& nativePath) const;

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
};

// The statements the program's code reads a text file with.
void OpenForInput(const QString& path, int fileNumber);
qint64 FileLen(const QString& path);
bool Eof(int fileNumber);
QString Input(qint64 characters, int fileNumber);
void Close(int fileNumber);

}  // namespace forms

#pragma once

#include <QByteArray>
#include <QString>
#include <map>

namespace forms {

// Text in files is read as UTF-8 where its bytes are valid UTF-8, and byte by byte as
// Windows-1252 where they are not; a NUL byte is kept as a character, not an end.
QString decodeText(const QByteArray& bytes);

// The files a program has open for sequential input, by file number.
class FileTable {
  public:
    void openForInput(const QString& path, int fileNumber);
    bool atEnd(int fileNumber) const;
    QString read(qint64 characters, int fileNumber);
    void close(int fileNumber);
    void closeAll() { open_.clear(); }

  private:
    struct OpenFile {
        QString text;
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

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>
#include <vector>

namespace pinatlas {

// Every file the program reads or writes goes through here, so that no reader
// can hang on a special file and no writer can lose data without a word.

// The non-directory entries of `directory` (links resolved; special files
// and dangling links included, so that they can be reported), hidden ones
// left out, in name order. Names as nameFromDisk gives them, so that a name
// that is not UTF-8 reaches its own file and no other.
QStringList fileEntries(const QString& directory);

// The directories in `directory` (links resolved unless `links` is false,
// then links are left out), hidden ones left out, in name order, named the
// same way.
QStringList directoryEntries(const QString& directory, bool links = true);

// Why the entries of `directory` cannot be listed (the system's reason), or
// nothing when they can: the listings above are empty either way.
std::optional<QString> listingError(const QString& directory);

// The library directories below the program directory, as every part of the
// program lists them: directories only, hidden ones left out, in name order
// so that a remembered position is stable, each named as on disk.
QStringList scanLibraryDirectories(const QString& programDir);

// The name on disk of `path`.
QByteArray nativePath(const QString& path);

// Size and modification time of a file, to notice that it changed; none when
// it does not exist or cannot be looked at.
struct FileStamp {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> fileStamp(const QString& path);

// fileEntries() with the size and time each file had when it was listed:
// the listing looks at every entry anyway. No stamp for a dangling link.
struct StampedName {
    QString name;
    std::optional<FileStamp> stamp;
    bool regular = false; // a regular file when listed, links resolved
};
std::vector<StampedName> stampedFileEntries(const QString& directory);

// Removes the file at `path` (never a directory); false when that failed.
bool removeFile(const QString& path);
// Removes the empty directory at `path` (never a link); false when that failed.
bool removeDirectory(const QString& path);
// True when `path` exists, as a link too, and when it is a directory.
bool entryExists(const QString& path);
bool isDirectory(const QString& path);

// Opens `path` for reading when it is a regular file once links are resolved.
// A FIFO, socket or device is never opened, so opening never blocks. False
// with `error` set (in English) otherwise.
bool openRegularFile(QFile& file, const QString& path, QString* error = nullptr);

// A regular file read in chunks straight from the system, opened as
// openRegularFile() opens it: for reading the heads of many small files,
// where a buffered device's extra calls cost more than the reading. The end
// is known from the size the file had when opened, without another read.
class RegularFileReader {
public:
    RegularFileReader() = default;
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;
    ~RegularFileReader();

    // `seenRegular`: a listing has just looked at the entry and found a
    // regular file, so it is not looked at again before opening; the open
    // file is checked all the same.
    bool open(const QString& path, bool seenRegular = false);
    // At most `max` bytes; fewer at the end, none after it or after a failure.
    QByteArray read(qint64 max);
    bool atEnd() const { return m_ended || m_pos >= m_size; }
    bool failed() const { return m_failed; }

private:
    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_pos = 0;
    bool m_ended = false;
    bool m_failed = false;
};

struct FileRead {
    std::optional<QByteArray> bytes; // empty when the file could not be read
    QString error;                   // why, in English
    bool tooLarge = false;           // the file holds more than the limit
};

// Reads a whole regular file of at most `limit` bytes; a larger one is not read.
FileRead readRegularFile(const QString& path, qint64 limit);

// Reads at most the first `limit` bytes of a regular file; empty when it
// cannot be opened.
std::optional<QByteArray> readRegularFileHead(const QString& path, qint64 limit);

struct SaveOutcome {
    bool ok = false;
    bool refusedLink = false; // the path is a symbolic link: nothing was written
    QString error;            // the file system's reason when not ok
};

// Writes the whole file or nothing: an existing file is replaced only when
// every byte reached the disk. A symbolic link is never written through: it
// could take the file anywhere.
SaveOutcome saveFileWhole(const QString& path, const QByteArray& bytes);

// Why a save through a link was refused, for the message box.
QString symbolicLinkRefusal(bool german);

} // namespace pinatlas

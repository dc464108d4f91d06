#include "library/FileAccess.h"

#include "library/Names.h"

#include <QSaveFile>

#include <algorithm>
#include <utility>
#include <vector>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pinatlas {
namespace {

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

const QString kNotRegular = QStringLiteral("not an ordinary file");

std::optional<FileStamp> stampOf(const struct stat& info) {
    return FileStamp{qint64(info.st_size),
                     qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// The entries with what the listing's look at each of them found.
std::vector<StampedName> entries(const QString& directory, bool directories, bool links) {
    std::vector<StampedName> found;
    DIR* dir = ::opendir(nativePath(directory).constData());
    if (!dir)
        return found;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        struct stat info {};
        const bool looked =
            ::fstatat(::dirfd(dir), entry->d_name, &info, links ? 0 : AT_SYMLINK_NOFOLLOW) == 0;
        const bool isDir = looked && S_ISDIR(info.st_mode);
        if (isDir == directories)
            found.push_back({nameFromDisk(name),
                             looked ? stampOf(info) : std::optional<FileStamp>(),
                             looked && S_ISREG(info.st_mode)});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(),
              [](const StampedName& a, const StampedName& b) { return a.name < b.name; });
    return found;
}

QStringList names(std::vector<StampedName> found) {
    QStringList out;
    out.reserve(qsizetype(found.size()));
    for (StampedName& f : found)
        out << std::move(f.name);
    return out;
}

} // namespace

QStringList fileEntries(const QString& directory) {
    return names(entries(directory, false, true));
}

std::vector<StampedName> stampedFileEntries(const QString& directory) {
    return entries(directory, false, true);
}

QStringList directoryEntries(const QString& directory, bool links) {
    return names(entries(directory, true, links));
}

std::optional<QString> listingError(const QString& directory) {
    DIR* dir = ::opendir(nativePath(directory).constData());
    if (!dir)
        return systemError(errno);
    ::closedir(dir);
    return std::nullopt;
}

QStringList scanLibraryDirectories(const QString& programDir) {
    return directoryEntries(programDir);
}

QByteArray nativePath(const QString& path) {
    return nameToDisk(path);
}

std::optional<FileStamp> fileStamp(const QString& path) {
    struct stat info {};
    if (::stat(nativePath(path).constData(), &info) != 0)
        return std::nullopt;
    return stampOf(info);
}

bool removeFile(const QString& path) {
    return ::unlink(nativePath(path).constData()) == 0;
}

bool removeDirectory(const QString& path) {
    return ::rmdir(nativePath(path).constData()) == 0;
}

bool entryExists(const QString& path) {
    struct stat info {};
    return ::lstat(nativePath(path).constData(), &info) == 0;
}

bool isDirectory(const QString& path) {
    struct stat info {};
    return ::stat(nativePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

namespace {

// Opens `path` when it is a regular file once links are resolved, looking
// before opening: opening a device may already do something. -1 with
// `error` set otherwise; `info` receives what the open file is.
int openRegularFd(const QString& path, struct stat& info, QString* error,
                  bool seenRegular = false) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return -1;
    };
    const QByteArray native = nativePath(path);
    if (!seenRegular && ::stat(native.constData(), &info) != 0)
        return fail(systemError(errno));
    if (!seenRegular && !S_ISREG(info.st_mode))
        return fail(kNotRegular);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(systemError(errno));
    // The entry may have been replaced in between.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(kNotRegular);
    }
    return fd;
}

} // namespace

bool openRegularFile(QFile& file, const QString& path, QString* error) {
    struct stat info {};
    const int fd = openRegularFd(path, info, error);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

RegularFileReader::~RegularFileReader() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RegularFileReader::open(const QString& path, bool seenRegular) {
    struct stat info {};
    m_fd = openRegularFd(path, info, nullptr, seenRegular);
    m_size = qint64(info.st_size);
    return m_fd >= 0;
}

QByteArray RegularFileReader::read(qint64 max) {
    QByteArray bytes;
    if (m_fd < 0 || m_failed || max <= 0)
        return bytes;
    // Up to the size the file had when opened, then on until the system says
    // it ended, as the file may have grown.
    const qint64 want = atEnd() ? max : std::min(max, m_size - m_pos);
    bytes.resize(qsizetype(want));
    qint64 got = 0;
    while (got < want) {
        const ssize_t n = ::read(m_fd, bytes.data() + got, size_t(want - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            m_failed = true;
        if (n <= 0) {
            m_ended = true;
            break;
        }
        got += n;
    }
    bytes.truncate(qsizetype(got));
    m_pos += got;
    return bytes;
}

FileRead readRegularFile(const QString& path, qint64 limit) {
    FileRead result;
    QFile f;
    if (!openRegularFile(f, path, &result.error))
        return result;
    // Asking for the limit would allocate it on every read: read what the
    // file says it holds, then on in small steps, as it may be growing.
    QByteArray bytes = f.read(std::min(f.size(), limit) + 1);
    while (bytes.size() <= limit) {
        const QByteArray more = f.read(64 * 1024);
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (f.error() != QFileDevice::NoError) {
        result.error = f.errorString();
        return result;
    }
    if (bytes.size() > limit) {
        result.tooLarge = true;
        result.error = QStringLiteral("larger than %1 bytes").arg(limit);
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

std::optional<QByteArray> readRegularFileHead(const QString& path, qint64 limit) {
    QFile f;
    if (!openRegularFile(f, path))
        return std::nullopt;
    QByteArray bytes = f.read(limit);
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

SaveOutcome saveFileWhole(const QString& path, const QByteArray& bytes) {
    const QByteArray native = nativePath(path);
    struct stat info {};
    if (::lstat(native.constData(), &info) == 0 && S_ISLNK(info.st_mode))
        return {false, true, QStringLiteral("the file is a symbolic link")};
    // QSaveFile takes the name as text: a name that is not UTF-8 is written
    // under a stand-in in the nearest directory whose name is, and then
    // renamed to its own bytes.
    const bool legacy = native != path.toUtf8();
    qsizetype firstLegacy = 0;
    while (legacy && !isLegacyName(QStringView(path).sliced(firstLegacy, 1)))
        ++firstLegacy;
    const QString target = legacy
                               ? path.left(path.lastIndexOf(u'/', firstLegacy) + 1) +
                                     QStringLiteral(".pinatlas-save-%1.tmp").arg(qint64(::getpid()))
                               : path;
    QSaveFile file(target);
    // Unbuffered, so that every write below reaches the file system and a
    // failing one brings back its reason, which a failed flush loses.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, false, file.errorString()};
    // The commit would replace the old file even after a failed flush, so
    // every write and the flush are checked here, before it. A write that
    // stops short (the disk filled up half-way) sets no error; only the next
    // one, which writes nothing, learns the system's reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.cancelWriting();
        file.commit(); // discards the temporary file
        return {false, false, error};
    }
    if (!file.commit())
        return {false, false, file.errorString()};
    if (legacy && ::rename(QFile::encodeName(target).constData(), native.constData()) != 0) {
        const QString error = systemError(errno);
        ::unlink(QFile::encodeName(target).constData());
        return {false, false, error};
    }
    return {true, false, {}};
}

QString symbolicLinkRefusal(bool german) {
    return german ? QStringLiteral("Die Datei ist eine symbolische Verknüpfung. Durch "
                                   "Verknüpfungen wird nicht geschrieben, damit nichts außerhalb "
                                   "der Bibliothek verändert wird.")
                  : QStringLiteral("The file is a symbolic link. Nothing is written through "
                                   "links, so that nothing outside the library is changed.");
}

} // namespace pinatlas

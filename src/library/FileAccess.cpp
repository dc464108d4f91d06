#include "library/FileAccess.h"

#include "library/Cp1252.h"

#include <QSaveFile>

#include <algorithm>

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

bool isUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

} // namespace

QStringList fileEntries(const QString& directory) {
    QStringList names;
    DIR* dir = ::opendir(nativePath(directory).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode))
            continue;
        names << (isUtf8(name) ? QString::fromUtf8(name) : decodeCp1252(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray nativePath(const QString& path) {
    const QByteArray utf8 = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(utf8.constData(), &info) == 0 || errno != ENOENT)
        return utf8;
    const qsizetype slash = path.lastIndexOf(u'/');
    const QStringView name = QStringView(path).sliced(slash + 1);
    if (!isCp1252(name))
        return utf8;
    const QByteArray legacy = QFile::encodeName(path.left(slash + 1)) + encodeCp1252(name);
    if (isUtf8(legacy) || ::lstat(legacy.constData(), &info) != 0)
        return utf8;
    return legacy;
}

bool removeFile(const QString& path) {
    return ::unlink(nativePath(path).constData()) == 0;
}

bool openRegularFile(QFile& file, const QString& path, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray native = nativePath(path);
    // Looked at before opening: opening a device may already do something.
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return fail(systemError(errno));
    if (!S_ISREG(info.st_mode))
        return fail(kNotRegular);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(systemError(errno));
    // The entry may have been replaced in between.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(kNotRegular);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    return true;
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
    const QByteArray before = nativePath(path);
    struct stat info {};
    if (::lstat(before.constData(), &info) == 0 && S_ISLNK(info.st_mode))
        return {false, true, QStringLiteral("the file is a symbolic link")};
    QSaveFile file(path);
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
    // A file whose name came from Windows-1252 now has its UTF-8 twin: the
    // old name goes, as on a rename.
    if (before != QFile::encodeName(path))
        ::unlink(before.constData());
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

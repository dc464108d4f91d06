#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace pinatlas::test {

// A throw-away program directory with helpers to lay files into it.
class TempDir {
public:
    QString path() const { return QDir::toNativeSeparators(m_dir.path()) + QDir::separator(); }
    QString mkdir(const QString& name) const {
        QDir(m_dir.path()).mkpath(name);
        return path() + name + QDir::separator();
    }
    void write(const QString& relative, const QByteArray& bytes) const {
        QFile f(m_dir.filePath(relative));
        QDir().mkpath(QFileInfo(f).absolutePath());
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    QByteArray read(const QString& relative) const {
        QFile f(m_dir.filePath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& relative) const { return QFile::exists(m_dir.filePath(relative)); }

private:
    QTemporaryDir m_dir;
};

} // namespace pinatlas::test

#include "atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// The permission bits open(…, 0666) would give a new file under the current
// umask; QTemporaryFile creates its files owner-only, which an exported file
// should not keep.
QFile::Permissions newFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFile::Permissions p;
    if (mode & S_IRUSR)
        p |= QFile::ReadOwner | QFile::ReadUser;
    if (mode & S_IWUSR)
        p |= QFile::WriteOwner | QFile::WriteUser;
    if (mode & S_IRGRP)
        p |= QFile::ReadGroup;
    if (mode & S_IWGRP)
        p |= QFile::WriteGroup;
    if (mode & S_IROTH)
        p |= QFile::ReadOther;
    if (mode & S_IWOTH)
        p |= QFile::WriteOther;
    return p;
}

} // namespace

AtomicFileReplacer::AtomicFileReplacer(const QString &targetPath) : m_targetPath(targetPath) {}

AtomicFileReplacer::~AtomicFileReplacer()
{
    if (!m_committed && !m_tempPath.isEmpty())
        QFile::remove(m_tempPath);
}

bool AtomicFileReplacer::prepare(QString *error)
{
    const QFileInfo target(m_targetPath);
    if (m_targetPath.isEmpty() || target.fileName().isEmpty()) {
        setError(error, QCoreApplication::translate("AtomicFile", "文件名为空"));
        return false;
    }
    if (target.isDir()) {
        setError(error, QCoreApplication::translate("AtomicFile", "同名目录已存在"));
        return false;
    }
    // A hidden name in the same folder keeps the final rename on one file
    // system, where rename() replaces the target atomically.
    QTemporaryFile temp(target.absoluteDir().filePath(QLatin1Char('.') + target.fileName() +
                                                      QStringLiteral(".XXXXXX")));
    temp.setAutoRemove(false);
    if (!temp.open()) {
        setError(error, temp.errorString());
        return false;
    }
    m_tempPath = temp.fileName(); // asking for the name gives the file one
    temp.close();
    return true;
}

bool AtomicFileReplacer::commit(QString *error)
{
    if (m_tempPath.isEmpty()) {
        setError(error, QCoreApplication::translate("AtomicFile", "临时文件未创建"));
        return false;
    }
    const QFileInfo target(m_targetPath);
    QFile::setPermissions(
        m_tempPath, target.exists() ? QFile::permissions(m_targetPath) : newFilePermissions());
    const QByteArray from = QFile::encodeName(m_tempPath);
    const QByteArray to = QFile::encodeName(m_targetPath);
    if (std::rename(from.constData(), to.constData()) != 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_committed = true;
    return true;
}

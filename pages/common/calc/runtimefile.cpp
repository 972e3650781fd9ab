#include "runtimefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <mutex>

#ifndef VELMORA_INSTALL_DATA_DIR
#define VELMORA_INSTALL_DATA_DIR "/usr/local/share/velmora"
#endif

namespace velmora::calc {

namespace {

QString executableDir()
{
    // applicationDirPath() warns and returns "" before a QCoreApplication
    // exists; the kernel's link to the running image needs none.
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

std::mutex g_extraRootsMutex;
QStringList &extraRoots()
{
    static QStringList roots;
    return roots;
}

} // namespace

void addRuntimeRoot(const QString &root)
{
    std::lock_guard<std::mutex> lock(g_extraRootsMutex);
    if (!extraRoots().contains(root))
        extraRoots().append(root);
}

QString findRuntimeFile(const QString &relativePath)
{
    // Beside the executable's bin/ folder comes share/velmora of the same
    // prefix, so an installed tree still finds its files after it was moved
    // (a package unpacked into another root, a relocated prefix).
    const QString exeDir = executableDir();
    QStringList roots = {QDir::currentPath(), exeDir,
                         QDir(exeDir).filePath(QStringLiteral("../share/velmora")),
                         QString::fromUtf8(VELMORA_INSTALL_DATA_DIR)};
    {
        std::lock_guard<std::mutex> lock(g_extraRootsMutex);
        roots += extraRoots();
    }
    for (const QString &root : roots) {
        if (root.isEmpty())
            continue;
        const QString candidate = QDir(root).filePath(relativePath);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QDir::current().filePath(relativePath);
}

} // namespace velmora::calc

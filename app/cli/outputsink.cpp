#include "outputsink.h"

#include <QSaveFile>
#include <QString>

#include <csignal>
#include <cstdio>

namespace velmora::cli {

std::atomic<bool> g_interrupted{false};

namespace {
// Only sets the flag (async-signal-safe); the sweep and the writer look at it.
void onInterrupt(int)
{
    g_interrupted.store(true);
}
} // namespace

void installInterruptHandler()
{
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

std::string writeOutput(const std::string &path, const std::string &content)
{
    if (path.empty() || path == "-") {
        if (std::fwrite(content.data(), 1, content.size(), stdout) != content.size() ||
            std::fflush(stdout) != 0)
            return "cannot write to standard output";
        return {};
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return path + ": " + file.errorString().toStdString();
    const qint64 size = qint64(content.size());
    if (file.write(content.data(), size) != size || !file.flush())
        return path + ": " + file.errorString().toStdString();
    if (g_interrupted.load())
        return path + ": interrupted, file left as it was"; // ~QSaveFile discards the temporary
    if (!file.commit())
        return path + ": " + file.errorString().toStdString();
    return {};
}

} // namespace velmora::cli

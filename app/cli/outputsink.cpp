#include "outputsink.h"

#include "outputfile.h"

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
    OutputFile file;
    std::string failure = file.open(path);
    if (failure.empty() && g_interrupted.load() && file.direct())
        failure = "interrupted before writing";
    if (failure.empty())
        failure = file.write(content);
    if (failure.empty() && g_interrupted.load() && !file.direct())
        return path + ": interrupted, file left as it was"; // ~OutputFile drops the temporary
    if (failure.empty())
        failure = file.commit();
    return failure;
}

} // namespace velmora::cli

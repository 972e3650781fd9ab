#ifndef VELMORA_OUTPUTSINK_H
#define VELMORA_OUTPUTSINK_H

// Where a finished result goes: stdout, or a file written through
// OutputFile (outputfile.h): a regular file atomically (a temporary file
// beside it, renamed over the target), so a failed write or an interrupt
// leaves the old file or no file, never a partial one; a device or FIFO
// straight, never replaced.

#include <atomic>
#include <string>

namespace velmora::cli {

// Set by SIGINT/SIGTERM once installInterruptHandler() has run.
extern std::atomic<bool> g_interrupted;
void installInterruptHandler();

// Writes `content` to `path` ("" or "-": stdout). Returns "" on success, or
// the reason it failed (the target is then unchanged). An interrupt noticed
// before the rename abandons the temporary file.
std::string writeOutput(const std::string &path, const std::string &content);

} // namespace velmora::cli

#endif // VELMORA_OUTPUTSINK_H

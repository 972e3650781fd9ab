#ifndef VELMORA_SWEEPSINK_H
#define VELMORA_SWEEPSINK_H

// Where the text of a sweep (or of merged shards) goes while it is computed,
// so no sweep holds its rows in memory and none loses them to an interrupt.
//
// To a file (-o FILE) the text goes to a side file beside it, FILE.<id>.part,
// written out in order as records come (batched when many come within a
// fifth of a second), and the side file is renamed over FILE only when the text is complete: FILE
// is never partial, and it keeps the mode and owner it had. An interrupted
// or crashed sweep leaves the side file holding whole records; the same sweep
// run again with resume keeps them and appends the rest. A FILE that is a
// device, a FIFO or a socket is written directly (nothing can be renamed
// over it). Standard output ("" or "-") gets the text as it comes.

#include "sweeplayout.h"

#include <chrono>
#include <cstddef>
#include <string>

namespace velmora::cli {

class SweepSink
{
public:
    SweepSink() = default;
    SweepSink(const SweepSink &) = delete;
    SweepSink &operator=(const SweepSink &) = delete;
    ~SweepSink();

    // Opens the output and writes `head`. `sideId` names the side file
    // (one per sweep). With `resume`, a side file of the same sweep that
    // starts with `head` is kept up to its last complete record (as `layout`
    // counts them) and *kept says how many it holds; without one the
    // output starts anew. Returns "" or why the output cannot be written;
    // a side file that does not start with `head` is not touched.
    std::string open(const std::string &path, const std::string &sideId, const std::string &head,
                     bool resume, const SweepLayout *layout, std::size_t *kept);

    // Appends text (buffered). Returns "" or the first write error, after
    // which nothing more is written.
    std::string append(const std::string &text);

    // Writes `tail`, flushes, syncs and renames the side file over the
    // target. Returns "" or the reason: the target then stays as it was and
    // the caller keeps the side file (keepForResume) or removes it (discard).
    std::string finish(const std::string &tail);

    // Stops: what is buffered is flushed and the side file stays for a
    // resume. Returns its path ("" when the output has no side file).
    std::string keepForResume();

    // Stops and removes the side file (the target stays as it was).
    void discard();

    bool hasSideFile() const { return !m_sidePath.empty(); }
    bool isRegularTarget() const { return m_regularTarget; }

private:
    std::string flush();
    void closeFile();

    std::string m_target;   // the file renamed over at the end
    std::string m_sidePath; // "" for stdout and direct writes
    int m_fd = -1;          // -1: standard output
    bool m_toStdout = false;
    bool m_regularTarget = false;
    bool m_targetExists = false;
    unsigned m_targetMode = 0;
    unsigned m_targetUid = 0;
    unsigned m_targetGid = 0;
    std::string m_buffer;
    std::string m_error;
    std::chrono::steady_clock::time_point m_lastFlush;
};

} // namespace velmora::cli

#endif // VELMORA_SWEEPSINK_H

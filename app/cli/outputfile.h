#ifndef VELMORA_OUTPUTFILE_H
#define VELMORA_OUTPUTFILE_H

// Where `-o FILE` output goes, chosen by what FILE is:
//  - a regular file or a new name: a temporary file in the same directory,
//    renamed over the target only by commit(), so a failed write or an
//    interrupt leaves the old file (or none), never a partial one. The new
//    file keeps the old one's permission bits and, where the process may
//    (root), its owner and group; a new file gets 0666 less the umask.
//    A symbolic link to a regular file is followed: the file it points to is
//    replaced and the link stays.
//  - a character device or a FIFO (/dev/null, /dev/stdout on a terminal, a
//    named pipe read by another process): written straight, never renamed
//    over (that would replace the device node with a file). A FIFO nobody
//    reads is refused at once instead of blocking.
//  - a directory, a block device or a socket: refused.
// "" and "-" are standard output. Writing happens in pieces (write()), so a
// long output can be streamed as it is produced.

#include <cstddef>
#include <string>

namespace velmora::cli {

class OutputFile
{
public:
    OutputFile() = default;
    // Abandons the temporary file unless commit() succeeded.
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // Each returns "" on success, else the reason (naming the path).
    std::string open(const std::string &path);
    std::string write(const char *data, std::size_t size);
    std::string write(const std::string &text) { return write(text.data(), text.size()); }
    // Flushes; a temporary file is synced and renamed over the target.
    std::string commit();
    // Drops a temporary file; the target stays as it was.
    void abandon();

    // True when the target is written in place (stdout, device, FIFO):
    // nothing can be taken back after write().
    bool direct() const { return m_temporary.empty(); }

private:
    std::string failure(const std::string &what) const;

    std::string m_path;      // as given, for messages
    std::string m_target;    // the file to replace (symbolic links resolved)
    std::string m_temporary; // the temporary file; empty when written straight
    int m_fd = -1;
    bool m_ownsFd = false;
};

} // namespace velmora::cli

#endif // VELMORA_OUTPUTFILE_H

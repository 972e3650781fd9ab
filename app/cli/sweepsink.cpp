#include "sweepsink.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace velmora::cli {

namespace {

// Records that come less than this after the last write wait for the next
// one, so a fast sweep writes in batches instead of a system call per row; a
// crash loses only records not yet written, which the resume computes again.
constexpr auto kFlushInterval = std::chrono::milliseconds(200);
// ... and whenever this much text waits.
constexpr std::size_t kFlushBytes = 1 << 20;
// A side file read back for a resume is at most this large (a million
// points of a few hundred bytes each).
constexpr off_t kMaxResumeBytes = off_t(4) << 30;

std::string reason(const std::string &path, int error)
{
    return path + ": " + std::strerror(error);
}

bool writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

// The whole of a regular file, or false.
bool readAll(int fd, std::string *text)
{
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxResumeBytes)
        return false;
    text->resize(std::size_t(st.st_size));
    std::size_t got = 0;
    while (got < text->size()) {
        const ssize_t n = ::pread(fd, text->data() + got, text->size() - got, off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += std::size_t(n);
    }
    return true;
}

// The file a name finally refers to: a symbolic link is followed, so the
// rename replaces its target and the link stays.
std::string resolvedTarget(const std::string &path)
{
    struct stat st {
    };
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char real[PATH_MAX];
        if (::realpath(path.c_str(), real))
            return real;
    }
    return path;
}

} // namespace

SweepSink::~SweepSink()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::string SweepSink::open(const std::string &path, const std::string &sideId,
                            const std::string &head, bool resume, const SweepLayout *layout,
                            std::size_t *kept)
{
    *kept = 0;
    m_lastFlush = std::chrono::steady_clock::now();
    if (path.empty() || path == "-") {
        m_toStdout = true;
        return append(head);
    }
    m_target = resolvedTarget(path);
    struct stat st {
    };
    if (::stat(m_target.c_str(), &st) == 0) {
        m_targetExists = true;
        m_regularTarget = S_ISREG(st.st_mode);
        m_targetMode = st.st_mode & 07777;
        m_targetUid = st.st_uid;
        m_targetGid = st.st_gid;
        if (S_ISDIR(st.st_mode))
            return path + ": is a folder";
        if (!m_regularTarget) { // a device, FIFO or socket: no rename over it
            m_fd = ::open(m_target.c_str(), O_WRONLY | O_CLOEXEC);
            if (m_fd < 0)
                return reason(path, errno);
            return append(head);
        }
    } else {
        m_regularTarget = true;
    }

    m_sidePath = m_target + "." + sideId + ".part";
    // Opened without truncating, then locked: a second run of the same sweep
    // to the same file must not write into the side file of the first.
    m_fd = ::open(m_sidePath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_fd < 0) {
        const std::string failure = reason(m_sidePath, errno);
        m_sidePath.clear();
        return failure;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        closeFile();
        const std::string side = m_sidePath;
        m_sidePath.clear(); // the other run's: never removed
        return side + ": another velmora-cli is writing this sweep";
    }
    if (resume) {
        std::string text;
        if (!readAll(m_fd, &text))
            return m_sidePath + ": cannot be read back to resume";
        // A side file cut inside its head (a crash at once) starts anew.
        const bool cutInHead = text.size() < head.size() && head.compare(0, text.size(), text) == 0;
        if (!cutInHead) {
            if (text.compare(0, head.size(), head) != 0) {
                closeFile();
                const std::string side = m_sidePath;
                m_sidePath.clear(); // not this sweep's: never removed
                return side +
                       ": does not hold the rows of this sweep (remove it, or run "
                       "without --resume)";
            }
            const RecordScan scan = layout->scanRecords(std::string_view(text).substr(head.size()));
            const off_t keep = off_t(head.size() + scan.bytes);
            if (::ftruncate(m_fd, keep) != 0 || ::lseek(m_fd, keep, SEEK_SET) != keep)
                return reason(m_sidePath, errno);
            *kept = scan.records;
            return {};
        }
    }
    if (::ftruncate(m_fd, 0) != 0)
        return reason(m_sidePath, errno);
    return append(head);
}

std::string SweepSink::append(const std::string &text)
{
    if (!m_error.empty())
        return m_error;
    m_buffer += text;
    const auto now = std::chrono::steady_clock::now();
    if (m_buffer.size() >= kFlushBytes || now - m_lastFlush >= kFlushInterval)
        return flush();
    return {};
}

std::string SweepSink::flush()
{
    if (!m_error.empty())
        return m_error;
    m_lastFlush = std::chrono::steady_clock::now();
    if (m_buffer.empty())
        return {};
    if (m_toStdout) {
        if (std::fwrite(m_buffer.data(), 1, m_buffer.size(), stdout) != m_buffer.size() ||
            std::fflush(stdout) != 0)
            m_error = "cannot write to standard output";
    } else if (!writeAll(m_fd, m_buffer.data(), m_buffer.size())) {
        m_error = reason(m_sidePath.empty() ? m_target : m_sidePath, errno);
    }
    m_buffer.clear();
    return m_error;
}

std::string SweepSink::finish(const std::string &tail)
{
    m_buffer += tail;
    if (!flush().empty())
        return m_error;
    if (m_sidePath.empty()) {
        closeFile();
        return {};
    }
    if (m_targetExists) { // the result keeps the file's mode and, when allowed, its owner
        ::fchmod(m_fd, m_targetMode);
        if (::fchown(m_fd, m_targetUid, m_targetGid) != 0) {
            // Not permitted for a file of another user: the writer's owner stays.
        }
    }
    if (::fsync(m_fd) != 0)
        return m_error = reason(m_sidePath, errno);
    closeFile();
    if (::rename(m_sidePath.c_str(), m_target.c_str()) != 0)
        return m_error = reason(m_target, errno);
    m_sidePath.clear();
    return {};
}

std::string SweepSink::keepForResume()
{
    flush();
    closeFile();
    return m_sidePath;
}

void SweepSink::discard()
{
    closeFile();
    if (!m_sidePath.empty())
        ::unlink(m_sidePath.c_str());
    m_sidePath.clear();
}

void SweepSink::closeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace velmora::cli

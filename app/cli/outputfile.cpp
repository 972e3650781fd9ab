#include "outputfile.h"

#include "textformat.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace velmora::cli {

namespace {

std::string errorText()
{
    return std::strerror(errno);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string directoryOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

OutputFile::~OutputFile()
{
    abandon();
}

std::string OutputFile::failure(const std::string &what) const
{
    return calc::quotedInput(m_path) + ": " + what;
}

std::string OutputFile::open(const std::string &path)
{
    m_path = path;
    if (path.empty() || path == "-") {
        m_fd = STDOUT_FILENO;
        return {};
    }
    struct stat info {
    };
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        if (S_ISDIR(info.st_mode))
            return failure("is a directory");
        if (!S_ISCHR(info.st_mode) && !S_ISFIFO(info.st_mode))
            return failure("not a regular file, character device or FIFO; not written");
        // O_NONBLOCK: opening a FIFO without a reader fails (ENXIO) instead
        // of waiting for one; writes then block normally.
        m_fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (m_fd < 0)
            return failure(errno == ENXIO ? "no process reads this FIFO" : errorText());
        m_ownsFd = true;
        const int flags = ::fcntl(m_fd, F_GETFL);
        if (flags >= 0)
            ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK);
        return {};
    }
    m_target = path;
    if (exists) { // follow a symbolic link to the file it names
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved))
            m_target = resolved;
    }
    const std::string pattern = directoryOf(m_target) + "/." + baseNameOf(m_target) + ".XXXXXX";
    std::string name = pattern;
    m_fd = ::mkstemp(name.data());
    if (m_fd < 0)
        return failure(errorText());
    m_temporary = name;
    m_ownsFd = true;
    // mkstemp makes 0600: give the file its final permissions (and owner,
    // where allowed) before anything is written.
    ::fchmod(m_fd, exists ? (info.st_mode & 07777) : newFileMode());
    if (exists && (info.st_uid != ::geteuid() || info.st_gid != ::getegid()))
        if (::fchown(m_fd, info.st_uid, info.st_gid) != 0) // only root may give files away
            (void)!::fchown(m_fd, uid_t(-1), info.st_gid); // a group of ours still may
    if (exists && (info.st_mode & (S_ISUID | S_ISGID)))
        ::fchmod(m_fd, info.st_mode & 07777); // chown cleared set-id bits
    return {};
}

std::string OutputFile::write(const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return m_fd == STDOUT_FILENO ? "cannot write to standard output: " + errorText()
                                         : failure(errorText());
        data += written;
        size -= std::size_t(written);
    }
    return {};
}

std::string OutputFile::commit()
{
    if (m_temporary.empty()) {
        if (m_ownsFd) {
            const int fd = m_fd;
            m_fd = -1;
            m_ownsFd = false;
            if (::close(fd) != 0)
                return failure(errorText());
        }
        return {};
    }
    if (::fsync(m_fd) != 0 || ::close(m_fd) != 0) {
        m_fd = -1;
        m_ownsFd = false;
        const std::string why = errorText();
        abandon();
        return failure(why);
    }
    m_fd = -1;
    m_ownsFd = false;
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const std::string why = errorText();
        abandon();
        return failure(why);
    }
    m_temporary.clear();
    return {};
}

void OutputFile::abandon()
{
    if (m_ownsFd && m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_ownsFd = false;
    if (!m_temporary.empty())
        ::unlink(m_temporary.c_str());
    m_temporary.clear();
}

} // namespace velmora::cli

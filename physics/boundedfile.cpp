#include "boundedfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace boundedfile {

namespace {

// A descriptor of a regular file within the cap, or -1 with the failure set.
int openRegular(const std::string &path, long long maxBytes, Failure *failure, std::string *detail)
{
    auto fail = [&](Failure f, const std::string &d) {
        if (failure)
            *failure = f;
        if (detail)
            *detail = d;
        return -1;
    };
    // O_NONBLOCK: a FIFO without a writer opens at once instead of waiting;
    // O_NOCTTY: a terminal named by mistake does not become ours.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(Failure::CannotOpen, std::strerror(errno));
    struct stat info {
    };
    if (::fstat(fd, &info) != 0) {
        const std::string why = std::strerror(errno);
        ::close(fd);
        return fail(Failure::CannotOpen, why);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return fail(Failure::NotRegular, {});
    }
    if (info.st_size > maxBytes) {
        ::close(fd);
        return fail(Failure::TooLarge, {});
    }
    // Regular files never block; clearing the flag keeps stdio's reading plain.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (failure)
        *failure = Failure::None;
    return fd;
}

} // namespace

Reading readRegularFile(const std::string &path, long long maxBytes)
{
    Reading reading;
    const int fd = openRegular(path, maxBytes, &reading.failure, &reading.detail);
    if (fd < 0)
        return reading;
    // Read at most one byte past the cap: a file that grew since fstat()
    // is still refused rather than read without bound.
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reading.failure = Failure::ReadError;
            reading.detail = std::strerror(errno);
            break;
        }
        if (got == 0)
            break;
        reading.text.append(buffer, std::size_t(got));
        if (static_cast<long long>(reading.text.size()) > maxBytes) {
            reading.failure = Failure::TooLarge;
            break;
        }
    }
    ::close(fd);
    if (reading.failure != Failure::None)
        reading.text.clear();
    return reading;
}

std::FILE *openRegularFile(const std::string &path, long long maxBytes, Failure *failure,
                           std::string *detail)
{
    const int fd = openRegular(path, maxBytes, failure, detail);
    if (fd < 0)
        return nullptr;
    std::FILE *file = ::fdopen(fd, "r");
    if (!file) {
        if (failure)
            *failure = Failure::CannotOpen;
        if (detail)
            *detail = std::strerror(errno);
        ::close(fd);
    }
    return file;
}

std::string failureText(Failure failure, const std::string &detail, long long maxBytes)
{
    switch (failure) {
    case Failure::None: return {};
    case Failure::CannotOpen: return detail;
    case Failure::NotRegular: return "not a regular file";
    case Failure::TooLarge:
        return "larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MB";
    case Failure::ReadError: return "read error: " + detail;
    }
    return {};
}

} // namespace boundedfile

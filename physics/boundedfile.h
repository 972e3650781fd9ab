#ifndef VELMORA_BOUNDEDFILE_H
#define VELMORA_BOUNDEDFILE_H

// Reading a file a user named (a design, a cross-section table) without
// trusting it: only a regular file is read, never more than a size cap, and
// opening never blocks. A FIFO would block open() until a writer appears,
// /dev/zero and /dev/urandom never end: open(O_NONBLOCK) returns at once for
// all of them, and fstat() on the opened descriptor (not stat() on the name,
// which could change in between) decides before a byte is read.

#include <cstdio>
#include <string>

namespace boundedfile {

// The cap every reader of user-named files uses unless it needs less.
constexpr long long kMaxUserFileBytes = 16LL * 1024 * 1024;

enum class Failure {
    None,
    CannotOpen, // missing, no permission, ...: `detail` holds strerror
    NotRegular, // a directory, device, FIFO or socket
    TooLarge,   // more than the cap
    ReadError   // an I/O error while reading
};

struct Reading {
    Failure failure = Failure::None;
    std::string detail; // strerror text for CannotOpen and ReadError
    std::string text;   // the whole file when failure == None
};

// The whole file at `path` (a native, UTF-8 encoded name) when it is a
// regular file of at most maxBytes bytes.
Reading readRegularFile(const std::string &path, long long maxBytes = kMaxUserFileBytes);

// The file at `path` opened for reading ("r") when it is a regular file of at
// most maxBytes bytes; nullptr otherwise, with *failure (and *detail) set when
// not null. The caller closes it with std::fclose.
std::FILE *openRegularFile(const std::string &path, long long maxBytes, Failure *failure,
                           std::string *detail = nullptr);

// "not a regular file", "larger than 16 MB", "No such file or directory" ...
// (English; callers translate the Failure themselves where they need to).
std::string failureText(Failure failure, const std::string &detail,
                        long long maxBytes = kMaxUserFileBytes);

} // namespace boundedfile

#endif // VELMORA_BOUNDEDFILE_H

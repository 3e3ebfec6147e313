#include "data/DtsFileSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "data/IoError.h"

namespace data {

DtsFileSource::DtsFileSource(const std::string& path) {
    if (path.find('\0') != std::string::npos) {
        throw IoError::invalidFilename();
    }
    // Non-blocking, so that opening a named pipe returns at once instead of waiting
    // for a writer; the flag is cleared again once the file is known to be regular.
    do {
        descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (descriptor_ < 0 && errno == EINTR);
    if (descriptor_ < 0) {
        throw IoError::fromErrno(errno);
    }
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        const int error = errno;
        ::close(descriptor_);
        throw IoError::fromErrno(error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor_);
        throw IoError::accessDenied();
    }
    const int flags = ::fcntl(descriptor_, F_GETFL);
    if (flags >= 0) {
        ::fcntl(descriptor_, F_SETFL, flags & ~O_NONBLOCK);
    }
}

DtsFileSource::~DtsFileSource() {
    ::close(descriptor_);
}

std::uint64_t DtsFileSource::sizeBytes() {
    struct stat status {};
    if (::fstat(descriptor_, &status) != 0) {
        throw IoError::fromErrno(errno);
    }
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t DtsFileSource::read(unsigned char* buffer, std::size_t length) {
    std::size_t total = 0;
    while (total < length) {
        const ssize_t got = ::read(descriptor_, buffer + total, length - total);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw IoError::fromErrno(errno);
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return total;
}

}  // namespace data

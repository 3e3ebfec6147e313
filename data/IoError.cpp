#include "data/IoError.h"

#include <cerrno>

namespace data {

IoError IoError::fromErrno(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return fileNotFound();
        case ENAMETOOLONG:
        case ENOTDIR:
        case EINVAL:
        case EILSEQ:
            return invalidFilename();
        case EMFILE:
        case ENFILE:
            return IoError("Too many open files");
        case EACCES:
        case EPERM:
            return accessDenied();
        case ENOSPC:
        case EDQUOT:
            return IoError("Disk full");
        default:
            return IoError("I/O error " + std::to_string(errorNumber));
    }
}

}  // namespace data

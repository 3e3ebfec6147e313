#pragma once

#include <stdexcept>
#include <string>

namespace data {

// An input/output failure, named the way the viewer reports file failures.
class IoError : public std::runtime_error {
public:
    explicit IoError(const std::string& message) : std::runtime_error(message) {}

    // The failure the system reported with this errno value.
    static IoError fromErrno(int errorNumber);

    static IoError fileNotFound() { return IoError("File not found"); }
    static IoError invalidFilename() { return IoError("Invalid filename"); }
    static IoError accessDenied() { return IoError("File access denied"); }
    static IoError readBeyondEnd() { return IoError("Read beyond end of file"); }
};

}  // namespace data

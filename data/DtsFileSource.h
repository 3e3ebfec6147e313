#pragma once

#include <string>

#include "data/RecordSource.h"

namespace data {

// A DTS file opened read-only and without any lock, so that a logger may go on
// writing it. Anything but a regular file (a folder, a device, a named pipe that
// would block forever) is refused as "File access denied" before a byte is read.
// The file is closed when the source is destroyed.
class DtsFileSource final : public RecordSource {
public:
    explicit DtsFileSource(const std::string& path);
    ~DtsFileSource() override;
    DtsFileSource(const DtsFileSource&) = delete;
    DtsFileSource& operator=(const DtsFileSource&) = delete;

    std::uint64_t sizeBytes() override;
    std::size_t read(unsigned char* buffer, std::size_t length) override;

private:
    int descriptor_ = -1;
};

}  // namespace data

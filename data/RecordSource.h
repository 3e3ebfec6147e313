#pragma once

#include <cstddef>
#include <cstdint>

namespace data {

// Where the loader reads a DTS file from: the file itself, or a buffer in tests.
// Failures are thrown as IoError.
class RecordSource {
public:
    virtual ~RecordSource() = default;

    virtual std::uint64_t sizeBytes() = 0;

    // Reads up to `length` bytes; fewer only at the end of the data, 0 after it.
    virtual std::size_t read(unsigned char* buffer, std::size_t length) = 0;
};

}  // namespace data

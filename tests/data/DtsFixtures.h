#pragma once
// Small DTS files built in the test, and sources that fail on demand.

#include <algorithm>
#include <cstring>
#include <vector>

#include "data/DtsRecord.h"
#include "data/IoError.h"
#include "data/RecordSource.h"

namespace fixtures {

inline data::DtsRecord reading(double temperature, double humidity, std::uint8_t group,
                               double date = 38086, double time = 0.5) {
    data::DtsRecord record;
    record.Temperature = temperature;
    record.Humidity = humidity;
    record.Date = date;
    record.Time = time;
    record.Group = group;
    return record;
}

inline std::vector<unsigned char> dtsBytes(const std::vector<data::DtsRecord>& records) {
    std::vector<unsigned char> bytes(records.size() * data::DtsRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i) {
        data::encodeDtsRecord(records[i], bytes.data() + i * data::DtsRecordSize);
    }
    return bytes;
}

inline std::vector<data::DtsRecord> groupsRun(const std::vector<std::uint8_t>& groups) {
    std::vector<data::DtsRecord> records;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        records.push_back(reading(20.0 + i, 50.0 + i, groups[i], 38086, i / 144.0));
    }
    return records;
}

// Bytes in memory. It may claim a larger size than it holds (a file that shrank
// while it was read) and may fail once a number of bytes has been read.
class MemorySource : public data::RecordSource {
public:
    explicit MemorySource(std::vector<unsigned char> bytes) : bytes_(std::move(bytes)) {
        claimedSize_ = bytes_.size();
    }

    void claimSize(std::uint64_t size) { claimedSize_ = size; }
    void failAfter(std::size_t bytes, int errorNumber) {
        failAfter_ = bytes;
        errorNumber_ = errorNumber;
    }

    std::uint64_t sizeBytes() override { return claimedSize_; }
    std::size_t read(unsigned char* buffer, std::size_t length) override {
        if (errorNumber_ != 0 && position_ + length > failAfter_) {
            throw data::IoError::fromErrno(errorNumber_);
        }
        const std::size_t got = std::min(length, bytes_.size() - position_);
        std::memcpy(buffer, bytes_.data() + position_, got);
        position_ += got;
        return got;
    }

private:
    std::vector<unsigned char> bytes_;
    std::uint64_t claimedSize_ = 0;
    std::size_t position_ = 0;
    std::size_t failAfter_ = 0;
    int errorNumber_ = 0;
};

}  // namespace fixtures

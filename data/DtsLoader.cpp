#include "data/DtsLoader.h"

#include <algorithm>
#include <limits>

#include "data/DateNumber.h"
#include "data/GroupText.h"
#include "data/IoError.h"

namespace data {
namespace {

constexpr std::size_t RecordsPerRead = 4096;

}  // namespace

std::int32_t wholeRecordCount(RecordSource& source) {
    const std::uint64_t records = source.sizeBytes() / DtsRecordSize;
    // Slot 0 takes one place of the count as well.
    if (records >= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        throw IoError("File too large");
    }
    return static_cast<std::int32_t>(records);
}

LoadedFile readDtsRecords(RecordSource& source, std::int32_t recordCount,
                          const LoadProgress& progress) {
    LoadedFile file;
    file.store.reserve(static_cast<std::size_t>(recordCount));
    std::vector<unsigned char> buffer(RecordsPerRead * DtsRecordSize);

    std::uint8_t previousGroup = 0;
    std::int32_t recordsRead = 0;
    while (recordsRead < recordCount) {
        const std::size_t chunkRecords = std::min<std::size_t>(
            RecordsPerRead, static_cast<std::size_t>(recordCount - recordsRead));
        const std::size_t chunkBytes = chunkRecords * DtsRecordSize;
        if (source.read(buffer.data(), chunkBytes) != chunkBytes) {
            throw IoError::readBeyondEnd();
        }
        for (std::size_t i = 0; i < chunkRecords; ++i) {
            const DtsRecord record = decodeDtsRecord(buffer.data() + i * DtsRecordSize);
            requireConvertibleDateNumber(record.Date);
            requireConvertibleDateNumber(record.Time);
            file.store.append(record);
            if (record.Group != previousGroup) {
                previousGroup = record.Group;
                file.groupEntries.push_back(GroupText(record.Group));
            }
            ++recordsRead;
            if (progress) {
                progress(recordsRead);
            }
        }
    }
    return file;
}

}  // namespace data

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "data/MeasurementStore.h"
#include "data/RecordSource.h"

namespace data {

// What one completed load produced. It replaces the viewer's state only as a whole.
struct LoadedFile {
    MeasurementStore store;
    // GroupText of every group change in file order, the group before the first
    // record counting as 0: a group that comes back is listed again.
    std::vector<std::string> groupEntries;
};

// Called with the number of records read so far, after each record.
using LoadProgress = std::function<void(std::int32_t recordsRead)>;

// The number of whole records in the source; trailing bytes of a partial record
// are never read. Throws IoError("File too large") beyond what a count can hold.
std::int32_t wholeRecordCount(RecordSource& source);

// Reads the first `recordCount` records into a fresh store. Throws IoError when the
// source fails or ends early ("Read beyond end of file"), and ConversionError when a
// record's date or time number cannot be formatted.
LoadedFile readDtsRecords(RecordSource& source, std::int32_t recordCount,
                          const LoadProgress& progress);

}  // namespace data

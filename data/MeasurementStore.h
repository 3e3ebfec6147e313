#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/DtsRecord.h"

namespace data {

// The records of one DTS file as five parallel columns. Slot 0 holds zeros and is
// never loaded; the file's record k (counted from 0) sits in slot k + 1, so slots 1
// to RecordCount() are the file in file order. The columns grow as records are
// appended; there is no fixed capacity.
class MeasurementStore {
public:
    MeasurementStore();

    void reserve(std::size_t records);
    void append(const DtsRecord& record);

    std::int32_t RecordCount() const { return static_cast<std::int32_t>(group_.size() - 1); }

    // Slots 0 to RecordCount().
    double Temperature(std::int32_t slot) const { return temperature_[index(slot)]; }
    double Humidity(std::int32_t slot) const { return humidity_[index(slot)]; }
    double Date(std::int32_t slot) const { return date_[index(slot)]; }
    double Time(std::int32_t slot) const { return time_[index(slot)]; }
    std::uint8_t Group(std::int32_t slot) const { return group_[index(slot)]; }

private:
    std::size_t index(std::int32_t slot) const;

    std::vector<double> temperature_;
    std::vector<double> humidity_;
    std::vector<double> date_;
    std::vector<double> time_;
    std::vector<std::uint8_t> group_;
};

}  // namespace data

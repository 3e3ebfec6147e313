#include "data/MeasurementStore.h"

#include <cassert>

namespace data {

MeasurementStore::MeasurementStore()
    : temperature_(1, 0.0), humidity_(1, 0.0), date_(1, 0.0), time_(1, 0.0), group_(1, 0) {}

void MeasurementStore::reserve(std::size_t records) {
    temperature_.reserve(records + 1);
    humidity_.reserve(records + 1);
    date_.reserve(records + 1);
    time_.reserve(records + 1);
    group_.reserve(records + 1);
}

void MeasurementStore::append(const DtsRecord& record) {
    temperature_.push_back(record.Temperature);
    humidity_.push_back(record.Humidity);
    date_.push_back(record.Date);
    time_.push_back(record.Time);
    group_.push_back(record.Group);
}

std::size_t MeasurementStore::index(std::int32_t slot) const {
    assert(slot >= 0 && slot <= RecordCount());
    return static_cast<std::size_t>(slot);
}

}  // namespace data

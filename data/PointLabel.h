#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/MeasurementStore.h"

namespace data {

// "dd.mm.yyyy [hh:mm:ss]": the calendar date of the date number and the time of day
// of the time number, with the given time separator between hours, minutes and
// seconds. Throws ConversionError when either number cannot be converted.
std::string formatPointLabel(double dateNumber, double timeNumber, std::string_view timeSeparator);

// The label of one slot of the store.
std::string PointLabel(const MeasurementStore& store, std::int32_t slot,
                       std::string_view timeSeparator);

}  // namespace data

#pragma once

#include <cstdint>
#include <stdexcept>

namespace data {

// A date or time number that no calendar date or time of day corresponds to.
class ConversionError : public std::runtime_error {
public:
    ConversionError() : std::runtime_error("Invalid floating point operation") {}
};

// Date numbers count days since 30 December 1899; the fraction is the time of day.
// Numbers that are not finite, or of 2^32 days or more either way, cannot be
// converted.
bool isConvertibleDateNumber(double number);

// Throws ConversionError unless the number can be converted.
void requireConvertibleDateNumber(double number);

// A day of the proleptic Gregorian calendar; all zeros for days before 1 January
// of year 1, which have no date.
struct CalendarDate {
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The number is rounded to whole milliseconds, ties to even. The date is that count
// in whole days, truncated toward zero; the time of day is the rest of its absolute
// value, milliseconds dropped. Both throw ConversionError.
CalendarDate calendarDateOf(double dateNumber);
TimeOfDay timeOfDayOf(double timeNumber);

}  // namespace data

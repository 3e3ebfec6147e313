#include "data/DateNumber.h"

#include <cmath>
#include <cstdlib>

namespace data {
namespace {

constexpr std::int64_t MillisecondsPerDay = 86'400'000;
constexpr double ConvertibleLimitDays = 4294967296.0;  // 2^32
// Days from 1 January of year 1 to 30 December 1899, counting the first as day 1.
constexpr std::int64_t DaysFromYearOneToDayZero = 693'594;
// Days from 30 December 1899 to 1 January 1970.
constexpr std::int64_t DaysFromDayZeroToUnixEpoch = 25'569;

std::int64_t roundedMilliseconds(double number) {
    requireConvertibleDateNumber(number);
    // The default rounding mode rounds half-way cases to even.
    return static_cast<std::int64_t>(
        std::nearbyint(number * static_cast<double>(MillisecondsPerDay)));
}

// Howard Hinnant's civil_from_days: days since 1970-01-01 to a Gregorian date.
CalendarDate civilFromUnixDays(std::int64_t days) {
    days += 719'468;
    const std::int64_t era = (days >= 0 ? days : days - 146'096) / 146'097;
    const std::int64_t dayOfEra = days - era * 146'097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    CalendarDate date;
    date.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    date.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

}  // namespace

bool isConvertibleDateNumber(double number) {
    return std::isfinite(number) && std::fabs(number) < ConvertibleLimitDays;
}

void requireConvertibleDateNumber(double number) {
    if (!isConvertibleDateNumber(number)) {
        throw ConversionError();
    }
}

CalendarDate calendarDateOf(double dateNumber) {
    const std::int64_t days = roundedMilliseconds(dateNumber) / MillisecondsPerDay;
    if (days + DaysFromYearOneToDayZero <= 0) {
        return CalendarDate{};
    }
    return civilFromUnixDays(days - DaysFromDayZeroToUnixEpoch);
}

TimeOfDay timeOfDayOf(double timeNumber) {
    const std::int64_t millisecond =
        std::llabs(roundedMilliseconds(timeNumber)) % MillisecondsPerDay;
    const std::int64_t secondOfDay = millisecond / 1000;
    TimeOfDay time;
    time.hour = static_cast<int>(secondOfDay / 3600);
    time.minute = static_cast<int>(secondOfDay / 60 % 60);
    time.second = static_cast<int>(secondOfDay % 60);
    return time;
}

}  // namespace data

#include "data/PointLabel.h"

#include <cstdio>

#include "data/DateNumber.h"

namespace data {
namespace {

void appendTwoDigits(std::string& text, int value) {
    text.push_back(static_cast<char>('0' + value / 10));
    text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::string formatPointLabel(double dateNumber, double timeNumber, std::string_view timeSeparator) {
    const CalendarDate date = calendarDateOf(dateNumber);
    const TimeOfDay time = timeOfDayOf(timeNumber);

    char year[24];
    std::snprintf(year, sizeof year, "%04lld", static_cast<long long>(date.year));

    std::string label;
    label.reserve(22 + 2 * timeSeparator.size());
    appendTwoDigits(label, date.day);
    label.push_back('.');
    appendTwoDigits(label, date.month);
    label.push_back('.');
    label.append(year);
    label.append(" [");
    appendTwoDigits(label, time.hour);
    label.append(timeSeparator);
    appendTwoDigits(label, time.minute);
    label.append(timeSeparator);
    appendTwoDigits(label, time.second);
    label.push_back(']');
    return label;
}

std::string PointLabel(const MeasurementStore& store, std::int32_t slot,
                       std::string_view timeSeparator) {
    return formatPointLabel(store.Date(slot), store.Time(slot), timeSeparator);
}

}  // namespace data

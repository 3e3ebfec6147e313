#include "data/PointLabel.h"

#include "data/DateNumber.h"

namespace data {
namespace {

void appendTwoDigits(std::string& text, int value) {
    text.push_back(static_cast<char>('0' + value / 10));
    text.push_back(static_cast<char>('0' + value % 10));
}

// At least four digits, more for years past 9999.
void appendYear(std::string& text, std::int64_t year) {
    char digits[24];
    int length = 0;
    do {
        digits[length++] = static_cast<char>('0' + year % 10);
        year /= 10;
    } while (year > 0 || length < 4);
    while (length > 0) {
        text.push_back(digits[--length]);
    }
}

}  // namespace

std::string formatPointLabel(double dateNumber, double timeNumber, std::string_view timeSeparator) {
    const CalendarDate date = calendarDateOf(dateNumber);
    const TimeOfDay time = timeOfDayOf(timeNumber);

    std::string label;
    label.reserve(22 + 2 * timeSeparator.size());
    appendTwoDigits(label, date.day);
    label.push_back('.');
    appendTwoDigits(label, date.month);
    label.push_back('.');
    appendYear(label, date.year);
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

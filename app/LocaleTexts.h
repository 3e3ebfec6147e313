#pragma once

#include <QLocale>
#include <string>

namespace app {

// The separator between hours, minutes and seconds in the locale's time format;
// ":" when the format has none.
std::string timeSeparatorOf(const QLocale& locale);

}  // namespace app

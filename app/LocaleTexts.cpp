#include "app/LocaleTexts.h"

namespace app {

std::string timeSeparatorOf(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype at = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (at < 0) {
        return ":";
    }
    while (at < format.size() && format[at].toLower() == QLatin1Char('h')) {
        ++at;
    }
    QString separator;
    while (at < format.size() && !format[at].isLetter()) {
        if (format[at] != QLatin1Char('\'')) {
            separator += format[at];
        }
        ++at;
    }
    return separator.isEmpty() ? std::string(":") : separator.toStdString();
}

}  // namespace app

#include "app/RecordPlot.h"

#include "data/PointLabel.h"

namespace app {
namespace {

QString withSlotLabel(const char* prefix, const data::MeasurementStore& store, std::int32_t slot,
                      std::string_view timeSeparator) {
    QString text = QString::fromLatin1(prefix);
    // A file without records has no first or last timestamp to show.
    if (store.RecordCount() > 0) {
        text += QString::fromStdString(data::PointLabel(store, slot, timeSeparator));
    }
    return text;
}

}  // namespace

void plotAllRecords(const data::MeasurementStore& store, chart::LineSeries& temperature,
                    chart::LineSeries& humidity, std::string_view timeSeparator) {
    temperature.Clear();
    humidity.Clear();
    const auto count = static_cast<std::size_t>(store.RecordCount());
    temperature.reserve(count);
    humidity.reserve(count);
    for (std::int32_t slot = 1; slot <= store.RecordCount(); ++slot) {
        const std::string label = data::PointLabel(store, slot, timeSeparator);
        temperature.Add(store.Temperature(slot), label, TemperatureRed);
        humidity.Add(store.Humidity(slot), label, HumidityGreen);
    }
}

QString recordCountText(std::int32_t count) {
    return QStringLiteral("Ukupno tacaka: ") + QString::number(count);
}

QString loadStartText(const data::MeasurementStore& store, std::string_view timeSeparator) {
    return withSlotLabel("Start: ", store, 1, timeSeparator);
}

QString loadEndText(const data::MeasurementStore& store, std::string_view timeSeparator) {
    return withSlotLabel("End  : ", store, store.RecordCount(), timeSeparator);
}

}  // namespace app

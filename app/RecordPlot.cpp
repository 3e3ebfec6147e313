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

// Empties both curves and appends the chosenSlots handed out by nextSlot until it says
// there are no more.
template <typename NextSlot>
void refill(const data::MeasurementStore& store, std::size_t count, NextSlot nextSlot,
            chart::LineSeries& temperature, chart::LineSeries& humidity,
            std::string_view timeSeparator) {
    temperature.Clear();
    humidity.Clear();
    temperature.reserve(count);
    humidity.reserve(count);
    for (std::int32_t slot = nextSlot(); slot > 0; slot = nextSlot()) {
        const std::string label = data::PointLabel(store, slot, timeSeparator);
        temperature.Add(store.Temperature(slot), label, TemperatureRed);
        humidity.Add(store.Humidity(slot), label, HumidityGreen);
    }
}

}  // namespace

void plotAllRecords(const data::MeasurementStore& store, chart::LineSeries& temperature,
                    chart::LineSeries& humidity, std::string_view timeSeparator) {
    std::int32_t slot = 0;
    auto next = [&] { return slot < store.RecordCount() ? ++slot : 0; };
    refill(store, static_cast<std::size_t>(store.RecordCount()), next, temperature, humidity,
           timeSeparator);
}

void plotSlots(const data::MeasurementStore& store, const std::vector<std::int32_t>& chosenSlots,
               chart::LineSeries& temperature, chart::LineSeries& humidity,
               std::string_view timeSeparator) {
    std::size_t index = 0;
    auto next = [&] { return index < chosenSlots.size() ? chosenSlots[index++] : 0; };
    refill(store, chosenSlots.size(), next, temperature, humidity, timeSeparator);
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

QString filterStartText(const data::MeasurementStore& store, std::int32_t slot,
                        std::string_view timeSeparator) {
    return withSlotLabel("Start: ", store, slot, timeSeparator);
}

// The filter writes its own end line: one blank before the colon, none after.
QString filterEndText(const data::MeasurementStore& store, std::int32_t slot,
                      std::string_view timeSeparator) {
    return withSlotLabel("End :", store, slot, timeSeparator);
}

}  // namespace app

#pragma once

#include <QString>
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/MeasurementStore.h"
#include "ui/chart/LineSeries.h"

namespace app {

inline constexpr chart::Rgb TemperatureRed{255, 0, 0};
inline constexpr chart::Rgb HumidityGreen{0, 128, 0};

// Refills both curves with every stored record in slot order: temperature in red,
// humidity in dark green, each point labelled with its slot's date and time.
void plotAllRecords(const data::MeasurementStore& store, chart::LineSeries& temperature,
                    chart::LineSeries& humidity, std::string_view timeSeparator);

// Refills both curves with the given chosenSlots, in the given order, the same way.
void plotSlots(const data::MeasurementStore& store, const std::vector<std::int32_t>& chosenSlots,
               chart::LineSeries& temperature, chart::LineSeries& humidity,
               std::string_view timeSeparator);

// The three summary lines after a load.
QString recordCountText(std::int32_t count);
QString loadStartText(const data::MeasurementStore& store, std::string_view timeSeparator);
QString loadEndText(const data::MeasurementStore& store, std::string_view timeSeparator);

// The first and last lines after a group filter that matched the given slot.
QString filterStartText(const data::MeasurementStore& store, std::int32_t slot,
                        std::string_view timeSeparator);
QString filterEndText(const data::MeasurementStore& store, std::int32_t slot,
                      std::string_view timeSeparator);

}  // namespace app

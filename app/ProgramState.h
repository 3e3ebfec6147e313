#pragma once

#include <string>

#include "data/MeasurementStore.h"

namespace app {

// What the last completed load left: the file's records and the file's name
// without its folder. Only the "Load" command writes it, and only as a whole.
struct LoadedMeasurements {
    data::MeasurementStore MeasurementStore;
    std::string LoadedFileName;
};

}  // namespace app

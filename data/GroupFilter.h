#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "data/MeasurementStore.h"

namespace data {

// The group whose GroupText is exactly this text: three digits from 000 to 255.
// Any other text (a blank, a missing leading zero, a partly typed number) names none.
std::optional<std::uint8_t> groupNamedBy(std::string_view text);

// Called with each slot the filter has looked at.
using SlotProgress = std::function<void(std::int32_t slot)>;

// The slots 1 to RecordCount whose GroupText equals the text, in file order. The
// pass compares group bytes, so it costs the same whatever the text.
std::vector<std::int32_t> slotsOfGroup(const MeasurementStore& store, std::string_view text,
                                       const SlotProgress& progress);

}  // namespace data

#include "data/GroupFilter.h"

namespace data {

std::optional<std::uint8_t> groupNamedBy(std::string_view text) {
    if (text.size() != 3) {
        return std::nullopt;
    }
    int value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    if (value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::vector<std::int32_t> slotsOfGroup(const MeasurementStore& store, std::string_view text,
                                       const SlotProgress& progress) {
    std::vector<std::int32_t> slots;
    const std::optional<std::uint8_t> group = groupNamedBy(text);
    for (std::int32_t slot = 1; slot <= store.RecordCount(); ++slot) {
        if (progress) {
            progress(slot);
        }
        if (group && store.Group(slot) == *group) {
            slots.push_back(slot);
        }
    }
    return slots;
}

}  // namespace data

#pragma once

#include <cstdint>
#include <string>

namespace data {

// A group number as three decimal digits with leading zeros: 000 to 255.
std::string GroupText(std::uint8_t group);

}  // namespace data

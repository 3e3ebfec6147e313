#pragma once

#include <cstdint>

namespace chart {

// A colour as red, green and blue from 0 to 255.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(Rgb a, Rgb b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

}  // namespace chart

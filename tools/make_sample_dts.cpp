// Writes a realistic DTS file: a logger reading every 10 minutes for eight days,
// temperature and humidity following the day with some noise, in several group runs
// (group 1 comes back after the others).
//   make_sample_dts <output file>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "data/DtsRecord.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double FirstDay = 46083.0;  // 2 March 2026
constexpr int ReadingsPerDay = 144;
constexpr int Days = 8;

// A small generator of our own, so that the file is the same on every machine.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / 9007199254740992.0 - 0.5;
    }

private:
    std::uint64_t state_ = 20040409;
};

std::uint8_t groupAt(double dayOffset) {
    if (dayOffset < 2.0)
        return 1;
    if (dayOffset < 3.5)
        return 2;
    if (dayOffset < 5.0)
        return 3;
    if (dayOffset < 6.0)
        return 1;
    return 4;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    Noise noise;
    double drift = 0.0;
    std::vector<unsigned char> bytes(data::DtsRecordSize);
    for (int i = 0; i < Days * ReadingsPerDay; ++i) {
        const double dayOffset = static_cast<double>(i) / ReadingsPerDay;
        const double timeOfDay = dayOffset - std::floor(dayOffset);
        // Warmest mid-afternoon, coolest before dawn; humidity does the opposite.
        const double daily = std::sin(2.0 * Pi * (timeOfDay - 0.375));
        drift += 0.02 * noise.next();
        data::DtsRecord record;
        record.Temperature = 21.0 + 3.5 * daily + 2.0 * drift + 0.3 * noise.next();
        record.Humidity = 55.0 - 12.0 * daily - 4.0 * drift + 1.5 * noise.next();
        record.Date = FirstDay + std::floor(dayOffset);
        record.Time = (i % ReadingsPerDay) * (10.0 / 1440.0);
        record.Group = groupAt(dayOffset);
        data::encodeDtsRecord(record, bytes.data());
        if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
            std::perror(argv[1]);
            std::fclose(out);
            return 1;
        }
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

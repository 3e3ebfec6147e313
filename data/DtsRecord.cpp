#include "data/DtsRecord.h"

#include <cstring>

namespace data {
namespace {

constexpr std::size_t TemperatureOffset = 8;
constexpr std::size_t HumidityOffset = 24;
constexpr std::size_t DateOffset = 32;
constexpr std::size_t TimeOffset = 40;
constexpr std::size_t GroupOffset = 48;

// Files are little-endian whatever the host is, so doubles are assembled byte by byte.
double readDouble(const unsigned char* bytes) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | bytes[i];
    }
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void writeDouble(double value, unsigned char* bytes) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

}  // namespace

DtsRecord decodeDtsRecord(const unsigned char* bytes) {
    DtsRecord record;
    record.Temperature = readDouble(bytes + TemperatureOffset);
    record.Humidity = readDouble(bytes + HumidityOffset);
    record.Date = readDouble(bytes + DateOffset);
    record.Time = readDouble(bytes + TimeOffset);
    record.Group = bytes[GroupOffset];
    return record;
}

void encodeDtsRecord(const DtsRecord& record, unsigned char* bytes) {
    std::memset(bytes, 0, DtsRecordSize);
    writeDouble(record.Temperature, bytes + TemperatureOffset);
    writeDouble(record.Humidity, bytes + HumidityOffset);
    writeDouble(record.Date, bytes + DateOffset);
    writeDouble(record.Time, bytes + TimeOffset);
    bytes[GroupOffset] = record.Group;
}

}  // namespace data

#pragma once
// Measurement data layer.
//
// A DTS file is a headerless sequence of 56-byte little-endian records. The loader
// (DtsLoader) reads one whole file from a RecordSource into a fresh MeasurementStore
// and hands it back only when every record was read and its date and time can be
// formatted, so a failed load never leaves half a file behind. PointLabel and
// GroupText are the two texts derived from stored values; CommaText splits a text
// into title lines. Nothing here knows about windows, charts or Qt.

#include <cstddef>
#include <cstdint>

namespace data {

inline constexpr std::size_t DtsRecordSize = 56;

// The fields of one record that the viewer keeps; the two auxiliary values and the
// filler bytes carry no meaning and are never read.
struct DtsRecord {
    double Temperature = 0.0;
    double Humidity = 0.0;
    double Date = 0.0;
    double Time = 0.0;
    std::uint8_t Group = 0;
};

// Decodes one record from exactly DtsRecordSize bytes.
DtsRecord decodeDtsRecord(const unsigned char* bytes);

// Encodes a record; the fields the viewer never reads are written as zeros.
void encodeDtsRecord(const DtsRecord& record, unsigned char* bytes);

}  // namespace data

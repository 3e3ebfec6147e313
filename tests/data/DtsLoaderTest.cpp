#include "data/DtsLoader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <limits>

#include "data/DateNumber.h"
#include "data/DtsFixtures.h"
#include "data/IoError.h"

namespace {

using fixtures::MemorySource;

data::LoadedFile loadAll(MemorySource& source, std::vector<std::int32_t>* progress = nullptr) {
    const std::int32_t count = data::wholeRecordCount(source);
    return data::readDtsRecords(source, count, [progress](std::int32_t read) {
        if (progress) {
            progress->push_back(read);
        }
    });
}

TEST(DtsRecordTest, DecodesLittleEndianFieldsAtTheirOffsets) {
    std::vector<unsigned char> bytes(56, 0xEE);  // filler and auxiliary values are noise
    const double temperature = -12.25, humidity = 87.5, date = 38086, time = 0.5;
    auto put = [&](std::size_t offset, double value) {
        std::uint64_t bits;
        std::memcpy(&bits, &value, 8);
        for (int i = 0; i < 8; ++i) {
            bytes[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
        }
    };
    put(8, temperature);
    put(24, humidity);
    put(32, date);
    put(40, time);
    bytes[48] = 200;
    const data::DtsRecord record = data::decodeDtsRecord(bytes.data());
    EXPECT_EQ(record.Temperature, temperature);
    EXPECT_EQ(record.Humidity, humidity);
    EXPECT_EQ(record.Date, date);
    EXPECT_EQ(record.Time, time);
    EXPECT_EQ(record.Group, 200);
}

struct SizeCase {
    std::size_t bytes;
    std::int32_t records;
};

class WholeRecordCountTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(WholeRecordCountTest, CountsWholeRecordsOnly) {
    std::vector<unsigned char> bytes(GetParam().bytes, 0);
    MemorySource source(bytes);
    EXPECT_EQ(data::wholeRecordCount(source), GetParam().records);
    const data::LoadedFile file = loadAll(source);
    EXPECT_EQ(file.store.RecordCount(), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WholeRecordCountTest,
                         ::testing::Values(SizeCase{0, 0}, SizeCase{55, 0}, SizeCase{56, 1},
                                           SizeCase{57, 1}, SizeCase{56 * 65535, 65535},
                                           SizeCase{56 * 70000 + 13, 70000}));

TEST(DtsLoaderTest, StoresRecordsInFileOrderFromSlotOne) {
    MemorySource source(fixtures::dtsBytes({fixtures::reading(21.5, 40.0, 3, 38086, 0.25),
                                            fixtures::reading(-5.0, 80.0, 3, 38087, 0.75)}));
    std::vector<std::int32_t> progress;
    const data::LoadedFile file = loadAll(source, &progress);
    const data::MeasurementStore& store = file.store;
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.Temperature(0), 0.0);
    EXPECT_EQ(store.Date(0), 0.0);
    EXPECT_EQ(store.Temperature(1), 21.5);
    EXPECT_EQ(store.Humidity(1), 40.0);
    EXPECT_EQ(store.Time(1), 0.25);
    EXPECT_EQ(store.Temperature(2), -5.0);
    EXPECT_EQ(store.Date(2), 38087);
    EXPECT_EQ(store.Group(2), 3);
    EXPECT_EQ(progress, (std::vector<std::int32_t>{1, 2}));
}

struct GroupCase {
    const char* name;
    std::vector<std::uint8_t> groups;
    std::vector<std::string> entries;
};

class GroupListTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupListTest, ListsEveryGroupChangeInFileOrder) {
    MemorySource source(fixtures::dtsBytes(fixtures::groupsRun(GetParam().groups)));
    EXPECT_EQ(loadAll(source).groupEntries, GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, GroupListTest,
    ::testing::Values(
        GroupCase{"ZeroAtStartAddsNothing", {0, 0, 1, 1, 0, 2}, {"001", "000", "002"}},
        GroupCase{"OneRunListedOnce", {3, 3, 3}, {"003"}},
        GroupCase{"GroupThatComesBack", {1, 2, 1}, {"001", "002", "001"}},
        GroupCase{"OnlyGroupZero", {0, 0}, {}}, GroupCase{"HighestGroup", {255, 0}, {"255", "000"}},
        GroupCase{"NoRecords", {}, {}}),
    [](const ::testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.name); });

TEST(DtsLoaderTest, FileThatShrankWhileReadFailsAsReadBeyondEnd) {
    MemorySource source(fixtures::dtsBytes(fixtures::groupsRun({1, 1, 1})));
    source.claimSize(56 * 5);
    try {
        loadAll(source);
        FAIL();
    } catch (const data::IoError& failure) {
        EXPECT_STREQ(failure.what(), "Read beyond end of file");
    }
}

TEST(DtsLoaderTest, ReadFailureFromTheSystemPassesThrough) {
    MemorySource source(
        fixtures::dtsBytes(fixtures::groupsRun(std::vector<std::uint8_t>(5000, 1))));
    source.failAfter(56 * 4500, EIO);
    try {
        loadAll(source);
        FAIL();
    } catch (const data::IoError& failure) {
        EXPECT_STREQ(failure.what(), "I/O error 5");
    }
}

TEST(DtsLoaderTest, UnformattableDateOrTimeFailsTheLoad) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const data::DtsRecord& bad :
         {fixtures::reading(20, 50, 1, nan, 0.5), fixtures::reading(20, 50, 1, 38086, 1e10)}) {
        MemorySource source(fixtures::dtsBytes({fixtures::reading(20, 50, 1), bad}));
        EXPECT_THROW(loadAll(source), data::ConversionError);
    }
}

TEST(DtsLoaderTest, MeasuredValuesAreKeptAsTheyAre) {
    // Only dates and times must be formattable; odd readings are the chart's business.
    const double inf = std::numeric_limits<double>::infinity();
    MemorySource source(fixtures::dtsBytes({fixtures::reading(inf, std::nan(""), 1)}));
    const data::LoadedFile file = loadAll(source);
    EXPECT_EQ(file.store.Temperature(1), inf);
    EXPECT_TRUE(std::isnan(file.store.Humidity(1)));
}

TEST(DtsLoaderTest, CountBeyondWhatTheStoreCanNumberIsRefused) {
    MemorySource source({});
    source.claimSize(56ULL * std::numeric_limits<std::int32_t>::max());
    try {
        data::wholeRecordCount(source);
        FAIL();
    } catch (const data::IoError& failure) {
        EXPECT_STREQ(failure.what(), "File too large");
    }
}

}  // namespace

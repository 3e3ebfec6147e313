#include "data/GroupFilter.h"

#include <gtest/gtest.h>

#include "data/DtsFixtures.h"
#include "data/DtsLoader.h"
#include "data/GroupText.h"

namespace {

data::MeasurementStore storeOfGroups(const std::vector<std::uint8_t>& groups) {
    fixtures::MemorySource source(fixtures::dtsBytes(fixtures::groupsRun(groups)));
    return data::readDtsRecords(source, data::wholeRecordCount(source), nullptr).store;
}

TEST(GroupFilterTest, TextNamesAGroupOnlyAsItsThreeDigits) {
    for (int group = 0; group <= 255; ++group) {
        const auto g = static_cast<std::uint8_t>(group);
        EXPECT_EQ(data::groupNamedBy(data::GroupText(g)), g);
    }
    for (const char* none : {"", "3", "03", " 003", "003 ", "0003", "256", "999", "-01", "+01",
                             "00a", "Prikazi sve zapise", "\xd9\xa0\xd9\xa0\xd9\xa3"}) {
        EXPECT_EQ(data::groupNamedBy(none), std::nullopt) << none;
    }
}

TEST(GroupFilterTest, MatchingSlotsInFileOrderAcrossRuns) {
    const data::MeasurementStore store = storeOfGroups({1, 1, 2, 2, 1, 0, 3});
    std::vector<std::int32_t> looked;
    EXPECT_EQ(data::slotsOfGroup(store, "001", [&](std::int32_t s) { looked.push_back(s); }),
              (std::vector<std::int32_t>{1, 2, 5}));
    EXPECT_EQ(looked, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(data::slotsOfGroup(store, "000", nullptr), (std::vector<std::int32_t>{6}));
    EXPECT_TRUE(data::slotsOfGroup(store, "1", nullptr).empty());
    EXPECT_TRUE(data::slotsOfGroup(store, "004", nullptr).empty());
}

TEST(GroupFilterTest, SlotZeroIsNeverExamined) {
    const data::MeasurementStore empty;  // slot 0 holds group 0
    EXPECT_TRUE(data::slotsOfGroup(empty, "000", nullptr).empty());
}

}  // namespace

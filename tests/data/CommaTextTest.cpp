#include "data/CommaText.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct CommaCase {
    const char* name;
    std::string text;
    Lines lines;
};

class CommaTextTest : public ::testing::TestWithParam<CommaCase> {};

TEST_P(CommaTextTest, SplitsIntoLines) {
    EXPECT_EQ(data::commaTextLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CommaTextTest,
    ::testing::Values(
        CommaCase{"PlainName", "sample.dts", {"sample.dts"}},
        CommaCase{"BlankSplits", "log 1.dts", {"log", "1.dts"}},
        CommaCase{"CommaSplits", "a,b", {"a", "b"}},
        CommaCase{"TwoCommasGiveEmptyLine", "a,,b", {"a", "", "b"}},
        CommaCase{"BlankBetweenCommas", "a, ,b", {"a", "", "b"}},
        CommaCase{"LeadingComma", ",a", {"", "a"}},
        CommaCase{"TrailingCommaAddsNothing", "a,", {"a"}},
        CommaCase{"BlanksAroundIgnored", "  a  ", {"a"}},
        CommaCase{"ControlCharactersSplit", "a\tb\nc", {"a", "b", "c"}}, CommaCase{"Empty", "", {}},
        CommaCase{"QuotedKeepsBlanks", "\"a b\",c", {"a b", "c"}},
        CommaCase{"DoubledQuote", "\"a\"\"b\"", {"a\"b"}},
        CommaCase{"UnclosedQuoteDropsLastCharacter", "\"abc", {"ab"}},
        CommaCase{"UnclosedQuoteWithDoubledQuote", "\"a\"\"b", {"a\""}},
        CommaCase{"LoneQuote", "\"", {""}},
        CommaCase{"TextAfterClosingQuote", "\"a\"b", {"a", "b"}},
        CommaCase{"QuoteInsidePlainItem", "a\"b", {"a\"b"}},
        CommaCase{"NonAsciiBelongsToItem", "m\xc3\xa9r\xc3\xa9s 1", {"m\xc3\xa9r\xc3\xa9s", "1"}},
        CommaCase{
            "FilterTitleBeforeAnyLoad", "-Prikazi sve zapise", {"-Prikazi", "sve", "zapise"}}),
    [](const ::testing::TestParamInfo<CommaCase>& info) { return std::string(info.param.name); });

}  // namespace

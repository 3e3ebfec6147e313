#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace data {

// Splits a text into lines the way a comma-separated list is read: blanks and
// control characters (codes 1 to 32) separate items as commas do, two commas in a row
// give an empty item, a trailing comma adds nothing, and an item that starts with a
// double quote runs to the next single double quote, a doubled one standing for one.
// An unclosed quoted item is the rest of the text less its last character.
std::vector<std::string> commaTextLines(std::string_view text);

}  // namespace data

#include "data/GroupText.h"

namespace data {

std::string GroupText(std::uint8_t group) {
    std::string text(3, '0');
    text[0] = static_cast<char>('0' + group / 100);
    text[1] = static_cast<char>('0' + group / 10 % 10);
    text[2] = static_cast<char>('0' + group % 10);
    return text;
}

}  // namespace data

#include "data/CommaText.h"

namespace data {
namespace {

constexpr char Quote = '"';

bool isBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }
    char peek() const { return text_[position_]; }

    void skipBlanks() {
        while (!atEnd() && isBlank(peek())) {
            ++position_;
        }
    }

    std::string quotedItem() {
        ++position_;  // the opening quote
        std::string item;
        while (!atEnd()) {
            const char c = text_[position_++];
            if (c != Quote) {
                item.push_back(c);
            } else if (!atEnd() && peek() == Quote) {
                item.push_back(Quote);
                ++position_;
            } else {
                return item;
            }
        }
        if (!item.empty()) {
            item.pop_back();
        }
        return item;
    }

    std::string plainItem() {
        const std::size_t start = position_;
        while (!atEnd() && !isBlank(peek()) && peek() != ',') {
            ++position_;
        }
        return std::string(text_.substr(start, position_ - start));
    }

    void skip() { ++position_; }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace

std::vector<std::string> commaTextLines(std::string_view text) {
    std::vector<std::string> lines;
    Scanner scanner(text);
    scanner.skipBlanks();
    while (!scanner.atEnd()) {
        lines.push_back(scanner.peek() == Quote ? scanner.quotedItem() : scanner.plainItem());
        scanner.skipBlanks();
        if (!scanner.atEnd() && scanner.peek() == ',') {
            scanner.skip();
            scanner.skipBlanks();
        }
    }
    return lines;
}

}  // namespace data

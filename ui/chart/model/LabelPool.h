#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chart {

// Many short texts in one buffer: a series of a million points keeps its labels
// without a million separate allocations.
class LabelPool {
public:
    LabelPool() : offsets_{0} {}

    void clear() {
        characters_.clear();
        offsets_.assign(1, 0);
    }
    void reserve(std::size_t labels, std::size_t charactersPerLabel) {
        offsets_.reserve(labels + 1);
        characters_.reserve(labels * charactersPerLabel);
    }
    void append(std::string_view label) {
        characters_.append(label);
        offsets_.push_back(characters_.size());
    }

    std::size_t size() const { return offsets_.size() - 1; }
    std::string_view operator[](std::size_t index) const {
        return std::string_view(characters_)
            .substr(offsets_[index], offsets_[index + 1] - offsets_[index]);
    }

private:
    std::string characters_;
    std::vector<std::size_t> offsets_;
};

}  // namespace chart

#pragma once

#include "balance.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trimwise::testing {

struct BoxWrite {
    Box box;
    std::string text;

    bool operator==(const BoxWrite&) const = default;
};

// The nine boxes as plain strings. Every write is kept, uncut, in the order it came, so a
// test can see what the calculation wrote, when, and whether it kept to the box length.
class MemoryBoxes final : public BalanceBoxes {
public:
    explicit MemoryBoxes(const std::array<std::string, 5>& inputs, std::size_t resultLength = 7,
                         std::size_t tailShareLength = 5)
        : resultLength_(resultLength), tailShareLength_(tailShareLength) {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            texts_[i] = inputs[i];
        }
    }

    [[nodiscard]] std::string text(Box box) const override { return texts_[index(box)]; }

    void setText(Box box, std::string_view text) override {
        texts_[index(box)] = std::string(text);
        writes_.push_back({box, std::string(text)});
    }

    [[nodiscard]] std::size_t maxLength(Box box) const override {
        if (box == Box::Text11) {
            return tailShareLength_;
        }
        return index(box) < kInputBoxes.size() ? 7 : resultLength_;
    }

    [[nodiscard]] const std::vector<BoxWrite>& writes() const { return writes_; }

private:
    static std::size_t index(Box box) { return static_cast<std::size_t>(box); }

    std::array<std::string, 9> texts_{};
    std::vector<BoxWrite> writes_;
    std::size_t resultLength_;
    std::size_t tailShareLength_;
};

} // namespace trimwise::testing

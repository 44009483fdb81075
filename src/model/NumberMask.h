#pragma once

#include <bit>
#include <cstdint>

namespace numora {

// A set of numbers 1..127 as bits: the numbers of a game run up to 90, past one machine word.
struct NumberMask {
    std::uint64_t low = 0;  // bits 0..63
    std::uint64_t high = 0; // bits 64..127

    void set(int n)
    {
        if (n < 64)
            low |= std::uint64_t(1) << n;
        else
            high |= std::uint64_t(1) << (n - 64);
    }
    // Numbers in 1..maxNumber (at most 127); others are left out.
    static NumberMask of(const std::uint8_t* numbers, int count, int maxNumber)
    {
        NumberMask mask;
        for (int i = 0; i < count; ++i)
            if (numbers[i] >= 1 && numbers[i] <= maxNumber && numbers[i] < 128)
                mask.set(numbers[i]);
        return mask;
    }
    bool has(int n) const
    {
        if (n < 0 || n > 127)
            return false;
        return n < 64 ? (low >> n) & 1u : (high >> (n - 64)) & 1u;
    }
    friend int common(const NumberMask& a, const NumberMask& b)
    {
        return std::popcount(a.low & b.low) + std::popcount(a.high & b.high);
    }
    int count() const { return std::popcount(low) + std::popcount(high); }
    bool operator==(const NumberMask&) const = default;
};

} // namespace numora

#pragma once

#include "util/RuntimeError.h"

#include <array>
#include <cstddef>
#include <cstdint>

// A fixed array indexed from Lo to Hi inclusive (the cycle tables run from 1,
// the friend arrays from 0); an index outside the bounds throws SubscriptError.
template <typename T, std::int32_t Lo, std::int32_t Hi>
class BoundedArray {
    static_assert(Lo <= Hi);

public:
    static constexpr std::int32_t Lower = Lo;
    static constexpr std::int32_t Upper = Hi;

    BoundedArray() = default;
    constexpr BoundedArray(std::initializer_list<T> values) {
        std::size_t i = 0;
        for (const T& v : values)
            m_items.at(i++) = v;
    }

    T& operator[](std::int32_t i) { return m_items[offset(i)]; }
    const T& operator[](std::int32_t i) const { return m_items[offset(i)]; }

    friend bool operator==(const BoundedArray&, const BoundedArray&) = default;

private:
    static std::size_t offset(std::int32_t i) {
        if (i < Lo || i > Hi) throw SubscriptError(i);
        return static_cast<std::size_t>(static_cast<std::int64_t>(i) - Lo);
    }

    std::array<T, static_cast<std::size_t>(static_cast<std::int64_t>(Hi) - Lo + 1)> m_items{};
};

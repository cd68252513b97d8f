// A small parser that splits delimited texts such as 1,3,5 or 10.1.2.3 into numbers.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

template <typename T>
class NmNumList {
    static_assert(std::is_same_v<T, int> || std::is_same_v<T, unsigned int>);

  public:
    char Delimiter = '.';

    int Count() const { return static_cast<int>(items_.size()); }
    T Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
    T operator[](int index) const { return Item(index); }
    const std::vector<T>& Items() const { return items_; }

    // No validation: every character that is not a separator counts as a digit, empty
    // fields give 0. Arithmetic wraps at 32 bits instead of overflowing.
    NmNumList& Parse(const std::string& text) {
        items_.clear();
        if (text.empty())
            return *this;
        std::size_t count = 1;
        for (char c : text)
            if (c == Delimiter)
                ++count;
        items_.assign(count, T{});
        std::size_t pos = 0;
        double weight = 0;
        for (char c : text) {
            if (c == Delimiter) {
                ++pos;
                weight = 0;
            } else if (c == '.') {
                weight = 1;
            } else {
                const int digit = static_cast<int>(static_cast<unsigned char>(c)) - '0';
                T& item = items_[pos];
                if (weight == 0) {
                    item = static_cast<T>(static_cast<std::uint32_t>(item) * 10u +
                                          static_cast<std::uint32_t>(digit));
                } else {
                    weight *= 0.1;
                    item = fromDouble(static_cast<double>(item) + weight * digit);
                }
            }
        }
        return *this;
    }

    int IndexOf(T value) const requires std::is_same_v<T, int> {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == value)
                return static_cast<int>(i);
        return -1;
    }

    bool AllInRange(T min, T max) const requires std::is_same_v<T, unsigned int> {
        for (T v : items_)
            if (v < min || v > max)
                return false;
        return true;
    }

  private:
    static T fromDouble(double v) {
        if (!std::isfinite(v) || std::fabs(v) >= 9.0e18)
            return T{};
        return static_cast<T>(static_cast<std::uint32_t>(static_cast<std::int64_t>(v)));
    }

    std::vector<T> items_;
};

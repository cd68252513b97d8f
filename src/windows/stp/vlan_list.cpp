// Conversions between a VLAN range field's bit map and its VLAN list.
#include "vlan_list.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string quoted(int field) {
    return "\"" + VlanFieldCaption(field) + "\"";
}

[[noreturn]] void refuse(int field, const std::string& why) {
    throw VlanListError("The VLAN list of " + quoted(field) + " " + why + "; nothing was written.");
}

// A VLAN number of an item; refuses what is not a whole number.
long long vlanNumber(const std::string& text, int field) {
    const std::string t = trimmed(text);
    long long v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    const bool digitsOnly = !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
    if (!digitsOnly)
        refuse(field, "cannot be read: \"" + t + "\" is not a VLAN number");
    if (ec != std::errc() || end != t.data() + t.size() || v < VlanFieldFirst(field) ||
        v > VlanFieldLast(field))
        refuse(field, "takes the VLANs " + std::to_string(VlanFieldFirst(field)) + " to " +
                          std::to_string(VlanFieldLast(field)) + " only, not " + t);
    return v;
}

}  // namespace

int VlanFieldFirst(int field) {
    return kVlansPerField * (field - 1) + 1;
}

int VlanFieldLast(int field) {
    return kVlansPerField * field;
}

std::string VlanFieldCaption(int field) {
    return std::to_string(VlanFieldFirst(field)) + "-" + std::to_string(VlanFieldLast(field));
}

std::string BitmapToVlanList(const std::string& hex, int field) {
    for (char c : hex)
        if (hexDigit(c) < 0)
            return hex;
    const int offset = VlanFieldFirst(field) - 1;
    const std::size_t bitCount = hex.size() / 2 * 8;
    const auto bit = [&](std::size_t b) {
        const int octet = hexDigit(hex[b / 8 * 2]) << 4 | hexDigit(hex[b / 8 * 2 + 1]);
        return (octet & (0x80 >> (b % 8))) != 0;
    };
    std::string list;
    std::size_t b = 0;
    while (b < bitCount) {
        if (!bit(b)) {
            ++b;
            continue;
        }
        const std::size_t first = b;
        while (b + 1 < bitCount && bit(b + 1))
            ++b;
        if (!list.empty())
            list += ',';
        list += std::to_string(offset + static_cast<int>(first) + 1);
        if (b > first)
            list += '-' + std::to_string(offset + static_cast<int>(b) + 1);
        ++b;
    }
    return list.empty() ? "0" : list;
}

std::string VlanListToBitmap(const std::string& list, int field) {
    if (list.size() > kMaxVlanListLength)
        refuse(field, "is longer than " + std::to_string(kMaxVlanListLength) + " characters");
    std::array<std::uint8_t, kVlansPerField / 8> map{};
    const auto set = [&](long long v) {
        const auto b = static_cast<std::size_t>((v - 1) % kVlansPerField);
        map[b / 8] |= static_cast<std::uint8_t>(0x80 >> (b % 8));
    };
    std::size_t from = 0;
    while (from <= list.size()) {
        std::size_t comma = list.find(',', from);
        if (comma == std::string::npos)
            comma = list.size();
        const std::string item = list.substr(from, comma - from);
        from = comma + 1;
        if (trimmed(item).empty())
            continue;
        const std::size_t dash = item.find('-');
        if (dash == std::string::npos) {
            set(vlanNumber(item, field));
            continue;
        }
        const long long first = vlanNumber(item.substr(0, dash), field);
        const long long last = vlanNumber(item.substr(dash + 1), field);
        if (last < first)
            refuse(field, "holds the range " + trimmed(item) + ", which runs backwards");
        for (long long v = first; v <= last; ++v)
            set(v);
    }
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(map.size() * 2);
    for (std::uint8_t octet : map) {
        hex += digits[octet >> 4];
        hex += digits[octet & 0x0f];
    }
    return hex;
}

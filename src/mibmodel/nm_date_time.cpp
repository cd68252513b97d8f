// DateAndTime octets and text; text parsing follows three fixed patterns.
#include "nm_date_time.h"

#include <algorithm>
#include <ctime>

#include "messages.h"
#include "text_scan.h"

using mibmodel_detail::scanPattern;

NmDateTime::NmDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Year = static_cast<std::uint16_t>(local.tm_year + 1900);
    Month = static_cast<std::uint8_t>(local.tm_mon + 1);
    Day = static_cast<std::uint8_t>(local.tm_mday);
    Hour = static_cast<std::uint8_t>(local.tm_hour);
    Minutes = static_cast<std::uint8_t>(local.tm_min);
    Seconds = static_cast<std::uint8_t>(local.tm_sec);
}

NmDateTime NmDateTime::FromOctets(const std::string& octets) {
    if (octets.size() < 8)
        raiseNmSnmpError(nmBadPartValue);
    auto at = [&](std::size_t i) {
        return i < octets.size() ? static_cast<std::uint8_t>(octets[i]) : std::uint8_t{0};
    };
    NmDateTime d;
    d.Year = static_cast<std::uint16_t>(at(0) << 8 | at(1));
    d.Month = at(2);
    d.Day = at(3);
    d.Hour = at(4);
    d.Minutes = at(5);
    d.Seconds = at(6);
    d.DeciSeconds = at(7);
    d.Direction = octets.size() >= 11 ? static_cast<char>(at(8)) : '+';
    d.UtcHours = at(9);
    d.UtcMinutes = at(10);
    return d;
}

NmDateTime NmDateTime::FromText(const std::string& text) {
    int f[9] = {};
    char direction = '+';
    if (scanPattern(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", f) != 9) {
        std::fill(f, f + 9, 0);
        if (scanPattern(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", f) == 9) {
            direction = '-';
        } else {
            std::fill(f, f + 9, 0);
            scanPattern(text, "%d-%d-%d,%d:%d:%d.%d", f);
        }
    }
    NmDateTime d;
    d.Year = static_cast<std::uint16_t>(f[0]);
    d.Month = static_cast<std::uint8_t>(f[1]);
    d.Day = static_cast<std::uint8_t>(f[2]);
    d.Hour = static_cast<std::uint8_t>(f[3]);
    d.Minutes = static_cast<std::uint8_t>(f[4]);
    d.Seconds = static_cast<std::uint8_t>(f[5]);
    d.DeciSeconds = static_cast<std::uint8_t>(f[6]);
    d.Direction = direction;
    d.UtcHours = static_cast<std::uint8_t>(f[7]);
    d.UtcMinutes = static_cast<std::uint8_t>(f[8]);
    return d;
}

bool NmDateTime::Parse(const std::string& text, NmDateTime& out) {
    std::size_t end = text.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    const std::string trimmed = text.substr(0, end);
    int f[9] = {};
    int matched = scanPattern(trimmed, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", f);
    char direction = '+';
    if (matched != 9) {
        matched = scanPattern(trimmed, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", f);
        direction = '-';
    }
    if (matched != 9) {
        std::fill(f, f + 9, 0);
        matched = scanPattern(trimmed, "%d-%d-%d,%d:%d:%d.%d", f);
        direction = '+';
        if (matched != 7)
            return false;
        // Nothing may follow the seven fields but the offset forms tried above.
        const std::size_t point = trimmed.rfind('.');
        std::size_t digits = point + 1;
        while (digits < trimmed.size() && std::isdigit(static_cast<unsigned char>(trimmed[digits])))
            ++digits;
        if (digits != trimmed.size())
            return false;
    }
    const int low[9] = {0, 1, 1, 0, 0, 0, 0, 0, 0};
    const int high[9] = {65535, 12, 31, 23, 59, 60, 9, 13, 59};
    for (int i = 0; i < 9; ++i)
        if (f[i] < low[i] || f[i] > high[i])
            return false;
    out = FromText(trimmed);
    out.Direction = direction;
    return true;
}

std::string NmDateTime::ToOctets() const {
    return std::string{
        static_cast<char>(Year >> 8), static_cast<char>(Year & 0xff), static_cast<char>(Month),
        static_cast<char>(Day),       static_cast<char>(Hour),        static_cast<char>(Minutes),
        static_cast<char>(Seconds),   static_cast<char>(DeciSeconds), Direction,
        static_cast<char>(UtcHours),  static_cast<char>(UtcMinutes)};
}

std::string NmDateTime::ToText() const {
    std::string text = std::to_string(Year) + "-" + std::to_string(Month) + "-" +
                       std::to_string(Day) + "," + std::to_string(Hour) + ":" +
                       std::to_string(Minutes) + ":" + std::to_string(Seconds) + "." +
                       std::to_string(DeciSeconds);
    if ((UtcHours != 0 || UtcMinutes != 0) && (Direction == '+' || Direction == '-'))
        text += "," + std::string(1, Direction) + std::to_string(UtcHours) + ":" +
                std::to_string(UtcMinutes);
    return text;
}

// The SNMPv3 engine-boots counter file: one line per engine, the engine ID in hexadecimal,
// a blank and the boot count.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int kBootCounterOk = 0;
inline constexpr int kBootCounterNoEntry = -1;
inline constexpr int kBootCounterCannotOpen = -2;
inline constexpr int kBootCounterEngineIdTooLong = -3;
inline constexpr int kBootCounterMalformed = -4;
inline constexpr int kBootCounterWriteFailed = -5;

inline constexpr std::size_t kMaxEngineIdLength = 32;

// boots is set to 0 unless the engine's entry is found.
int getBootCounter(const std::string& file, const std::string& engineId, std::uint32_t& boots);
// Rewrites the file with the engine's new count, keeping other engines' lines. The new content
// goes to a temporary file that is renamed over the old one.
int saveBootCounter(const std::string& file, const std::string& engineId, std::uint32_t boots);

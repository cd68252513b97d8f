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
// snmpEngineBoots stays at this value once it gets there.
inline constexpr std::uint32_t kMaxEngineBoots = 2147483647;

// boots is set to 0 unless the engine's entry is found.
int getBootCounter(const std::string& file, const std::string& engineId, std::uint32_t& boots);
// Rewrites the file with the engine's new count, keeping other engines' lines. The file is
// locked while it is read and written; the new content goes to a temporary file renamed over
// the old one, or, when the folder cannot take a new file, into the file itself. A file that
// cannot be opened for writing gives kBootCounterWriteFailed and is left alone.
int saveBootCounter(const std::string& file, const std::string& engineId, std::uint32_t boots);
// Counts one more boot of the engine: reads its count (0 without an entry, or when the file
// cannot be read), adds one up to kMaxEngineBoots and writes it back, all under one lock so that
// programs started together each count once. boots is the new count on success. Returns 0,
// kBootCounterEngineIdTooLong, kBootCounterMalformed (nothing written) or
// kBootCounterWriteFailed.
int incrementBootCounter(const std::string& file, const std::string& engineId,
                         std::uint32_t& boots);

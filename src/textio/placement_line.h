#pragma once
// The text form of a window placement in a list file: left:top:right:bottom:flags:showCmd: (every value,
// the last included, followed by the field separator), and the reading of numbers out of UTF-16 fields.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "textio/window_record.h"

inline constexpr char16_t kFieldSeparator = u':';
inline constexpr int32_t kPlacementRecordLength = 44;  // sizeof(WINDOWPLACEMENT)

// The low byte of every unit read as ANSI text, converted by TextToNumber and truncated to 32 bits.
int32_t WideTextToInt(std::u16string_view text);

// Takes the first six separator-terminated values; a value without a separator after it runs to the end
// of the line, and values the line does not hold at all are 0. Never reads past the line.
PlacementRecord ParsePlacementW(std::u16string_view line);

// The six pieces of the line, each a decimal value followed by the separator, in the order written.
std::array<std::u16string, 6> PlacementLinePieces(const PlacementRecord& placement);
// The length of the whole line without its line end.
int64_t PlacementLineLength(const PlacementRecord& placement);

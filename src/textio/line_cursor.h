#pragma once
// A UTF-16 file held in memory and read piece by piece, the way the line-input slots read it.
// Unit 0 is taken for the byte order mark and skipped unseen; an odd last byte is never read.
// After the last piece a read reports the end and starts over at the first line.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

inline constexpr char16_t kCarriageReturn = u'\r';
inline constexpr char16_t kLineFeed = u'\n';

// The whole file as units; data may be written as bytes (byteSize of them) before the first read.
struct FileUnits {
    std::unique_ptr<char16_t[]> data;  // null when there was no memory for it
    int32_t byteSize = 0;
    int32_t unitCount = 0;

    char* Bytes() { return reinterpret_cast<char*>(data.get()); }
};

// Zero-filled storage for a file of byteSize bytes (0 or more), one zero unit after the last whole unit.
FileUnits AllocateFileUnits(int32_t byteSize);
// For tests and fuzzers: the same as reading a file that holds bytes.
FileUnits FileUnitsFromBytes(std::string_view bytes);

class LineCursor {
public:
    explicit LineCursor(FileUnits units) : units_(std::move(units)) {
        if (!units_.data) units_.unitCount = 0;
    }

    // The piece up to the first key1 or key2; a key2 right after the end unit is taken with it.
    // nullopt at the end of the file, and the next read starts at the first line again.
    std::optional<std::u16string> Next(char16_t key1, char16_t key2);
    std::optional<std::u16string> NextLine() { return Next(kCarriageReturn, kLineFeed); }

    // Units of text after the byte order mark.
    int32_t TextUnits() const { return units_.unitCount > 0 ? units_.unitCount - 1 : 0; }

private:
    FileUnits units_;
    int32_t position_ = 1;
};

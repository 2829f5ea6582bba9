// Any UTF-16 text as a placement line: parsing must stay within the line, and a placement written
// from the parsed values must read back to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "textio/placement_line.h"

namespace {
bool SameWrittenFields(const PlacementRecord& a, const PlacementRecord& b) {
    return a.rcNormalPosition.left == b.rcNormalPosition.left && a.rcNormalPosition.top == b.rcNormalPosition.top &&
           a.rcNormalPosition.right == b.rcNormalPosition.right &&
           a.rcNormalPosition.bottom == b.rcNormalPosition.bottom && a.flags == b.flags && a.showCmd == b.showCmd;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The line is exactly as long as the input's whole units, so a read past it is an ASan finding.
    std::u16string line(size / 2, u'\0');
    for (size_t i = 0; i < line.size(); ++i) line[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    const PlacementRecord parsed = ParsePlacementW(line);
    if (parsed.length != 44 || parsed.ptMinPosition.x != -1 || parsed.ptMaxPosition.y != -1) std::abort();

    std::u16string written;
    for (const std::u16string& piece : PlacementLinePieces(parsed)) written += piece;
    if (static_cast<int64_t>(written.size()) != PlacementLineLength(parsed)) std::abort();
    if (!SameWrittenFields(ParsePlacementW(written), parsed)) std::abort();
    return 0;
}

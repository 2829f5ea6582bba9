#include "textio/placement_line.h"

#include "convert/number_text.h"
#include "textio/decimal_text.h"

int32_t WideTextToInt(std::u16string_view text) {
    std::string lowBytes(text.size(), '\0');
    for (size_t i = 0; i < text.size(); ++i) lowBytes[i] = static_cast<char>(text[i] & 0xFF);
    return ToInt32(TextToNumber(lowBytes));
}

PlacementRecord ParsePlacementW(std::u16string_view line) {
    std::array<int32_t, 6> values{};
    size_t position = 0;
    for (int32_t& value : values) {
        if (position >= line.size()) break;
        const size_t separator = line.find(kFieldSeparator, position);
        const size_t end = separator == std::u16string_view::npos ? line.size() : separator;
        value = WideTextToInt(line.substr(position, end - position));
        position = end + 1;
    }
    PlacementRecord placement;
    placement.length = kPlacementRecordLength;
    placement.rcNormalPosition = {values[0], values[1], values[2], values[3]};
    placement.flags = values[4];
    placement.showCmd = values[5];
    placement.ptMinPosition = {-1, -1};
    placement.ptMaxPosition = {-1, -1};
    return placement;
}

std::array<std::u16string, 6> PlacementLinePieces(const PlacementRecord& placement) {
    const RectRecord& normal = placement.rcNormalPosition;
    std::array<std::u16string, 6> pieces{DecimalText(normal.left), DecimalText(normal.top),
                                         DecimalText(normal.right), DecimalText(normal.bottom),
                                         DecimalText(placement.flags), DecimalText(placement.showCmd)};
    for (std::u16string& piece : pieces) piece.push_back(kFieldSeparator);
    return pieces;
}

int64_t PlacementLineLength(const PlacementRecord& placement) {
    int64_t length = 0;
    for (const std::u16string& piece : PlacementLinePieces(placement)) length += static_cast<int64_t>(piece.size());
    return length;
}

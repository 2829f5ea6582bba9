#pragma once
// WINDOWPLACEMENT and the pure PlacementRecord, field for field.
#include <windows.h>

#include "textio/window_record.h"

inline PlacementRecord ToPlacementRecord(const WINDOWPLACEMENT& placement) {
    PlacementRecord record;
    record.length = static_cast<int32_t>(placement.length);
    record.flags = static_cast<int32_t>(placement.flags);
    record.showCmd = static_cast<int32_t>(placement.showCmd);
    record.ptMinPosition = {placement.ptMinPosition.x, placement.ptMinPosition.y};
    record.ptMaxPosition = {placement.ptMaxPosition.x, placement.ptMaxPosition.y};
    const RECT& normal = placement.rcNormalPosition;
    record.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
    return record;
}

inline WINDOWPLACEMENT ToWindowPlacement(const PlacementRecord& record) {
    WINDOWPLACEMENT placement{};
    placement.length = static_cast<UINT>(record.length);
    placement.flags = static_cast<UINT>(record.flags);
    placement.showCmd = static_cast<UINT>(record.showCmd);
    placement.ptMinPosition = {record.ptMinPosition.x, record.ptMinPosition.y};
    placement.ptMaxPosition = {record.ptMaxPosition.x, record.ptMaxPosition.y};
    const RectRecord& normal = record.rcNormalPosition;
    placement.rcNormalPosition = {normal.left, normal.top, normal.right, normal.bottom};
    return placement;
}

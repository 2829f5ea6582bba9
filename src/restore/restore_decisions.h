#pragma once
// What the restore decides for one record, apart from any window: the verb it launches the folder with,
// how it reads the launch result, the show state it gives the matched window and the room it allows for
// rebuilding the folder's location URL.
#include <cstdint>

#include "textio/window_record.h"

enum class LaunchVerb {
    kShellDefault,  // no verb: the shell's default action for a folder
    kOpen,          // "open": a plain folder window
    kExplore,       // "explore": a folder window with the folder tree
};

// openMethod 1 follows the captured class, 2 always opens, 4 always explores.
LaunchVerb VerbFor(int32_t openMethod, int32_t classFlag);

enum class LaunchOutcome {
    kNotOpened,  // 32 or less: the shell refused
    kOpened,     // anything above 32 (XP answered folders with 33, Windows 7 and later answer 42)
};

// The ShellExecuteW result taken as a signed number.
LaunchOutcome ClassifyLaunch(int64_t result);

// The selections of the main window's show-state combo box.
enum ShowStateMode : int16_t {
    kShowAsCaptured = 0,
    kMinimizeAll = 1,
    kCancelMinimizing = 2,
};

struct ShowState {
    int32_t flags = 0;
    int32_t showCmd = 0;
};

// The recorded flags and showCmd as the show-state mode and the unmaximize option adjust them.
ShowState ShowStateFor(const PlacementRecord& recorded, int16_t showStateMode, bool unmaximize);

// The placement written back to a matched window: the window's own, with the adjusted show state and,
// when placement is applied, the recorded normal rectangle. A window launched minimised keeps the
// rectangle it restores to through SetWindowPos, so the rectangle has to travel in the placement.
PlacementRecord PlacementToWrite(const PlacementRecord& current, const PlacementRecord& recorded,
                                 int16_t showStateMode, bool unmaximize, bool applyPlacement);

// Where SetWindowPos puts a window for a recorded normal rectangle. The width and height saturate, so
// absurd coordinates in a hand-made list cannot overflow.
struct WindowBox {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};
WindowBox BoxOf(const RectRecord& normal);

// The longest location URL the shell hands out (INTERNET_MAX_URL_LENGTH).
inline constexpr int32_t kMaxUrlLength = 2084;
// Room for the stand-by folder's URL.
inline constexpr int32_t kDummyUrlCapacity = 260;

// The recorded URL length as a room for rebuilding the URL: a negative length leaves no room (the URL
// comes out empty and never matches), and no length allocates more than the longest possible URL.
int32_t UrlCapacity(int32_t urlLength);

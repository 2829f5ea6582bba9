#include "server/program_census.h"

#include <windows.h>

#include "protocol/channel_client.h"

namespace standin {
namespace {

// GDI handles carry their table index in the low word; with a zero high word Wine accepts the handle
// whatever the entry's generation, so every index of the table can be asked for its object type.
LONG CountLiveGdiObjects() {
    LONG live = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
    }
    return live;
}

}  // namespace

void TakeCensusWhenAsked() {
    wire::Usage* usage = wire::SharedUsage();
    if (!usage || !usage->takeCensus) return;
    usage->gdiObjects = CountLiveGdiObjects();
    usage->memory = wire::MemoryOfThisProcess();
    InterlockedIncrement(&usage->censusCount);
}

}  // namespace standin

#pragma once
// The visible body of the shell's windows: enough text and colour for a screenshot to tell them apart.
#include <windows.h>

#include "protocol/wire.h"
#include "shell/window_registry.h"

namespace standin {

HBRUSH BackgroundBrushOf(wire::Kind kind);
void PaintShellWindow(const ShellWindow& window);

}  // namespace standin

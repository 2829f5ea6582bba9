#include "capture/capture_command.h"

void CaptureWindows() {}

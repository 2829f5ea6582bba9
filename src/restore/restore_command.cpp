#include "restore/restore_command.h"

void RestoreWindows() {}

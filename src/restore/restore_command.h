#pragma once
#include "restore/restore_progress.h"

// The whole restore of the current list; progress hears about the record loop and may stop it.
void RestoreWindows(RestoreProgress& progress);
void RestoreWindows();

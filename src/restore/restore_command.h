#pragma once

void RestoreWindows();

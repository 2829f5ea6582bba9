#pragma once

void CaptureWindows();

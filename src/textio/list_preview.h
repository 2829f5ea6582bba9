#pragma once

void ShowListPreview();

#include "textio/list_preview.h"

void ShowListPreview() {}

#include "sheets.h"
void PaintBadge(Canvas&, int) {}

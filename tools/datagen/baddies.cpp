#include "sheets.h"
void PaintBaddie(Canvas&, int) {}

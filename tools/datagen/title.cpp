#include "sheets.h"
void PaintLogo(Canvas&, int) {}
void PaintStudioEmblem(Canvas&, int) {}

#include "sheets.h"
void PaintBackdrop(Canvas&, int) {}

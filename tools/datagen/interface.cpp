#include "sheets.h"
void PaintIcon(Canvas&, int) {}
void PaintButton(Canvas&, int) {}
void PaintDpad(Canvas&, int) {}
void PaintIcade(Canvas&, int) {}

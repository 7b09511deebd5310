#include "sheets.h"
void PaintTestCard(Canvas&, int) {}

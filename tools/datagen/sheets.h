// Every picture of the data folder as a frame painter: a function that draws frame `index` of a
// sheet into a canvas of one frame's size, in units, at whatever detail level the canvas has.
#pragma once

#include <span>

#include "asset_table.h"
#include "canvas.h"

using FramePainter = void (*)(Canvas& frame, int index);

struct SheetPainter {
  const char* stem;
  int columns;  // frames per row of the sheet
  FramePainter paint;
  // Drawings shrunk about the frame's centre by this factor, to keep a clear border: a frame
  // whose glow ran into its edge would show a cut there, and at the game's scales and angles
  // its edge pixels can be picked for the screen.
  float zoom = 1.0f;
};

// The painters for every stem of assets::kImages.
std::span<const SheetPainter> SheetPainters();
const SheetPainter* FindSheetPainter(const char* stem);

// The whole sheet at a detail level: frames left to right in rows of `columns`, each drawn in
// its own canvas so that nothing bleeds into a neighbouring frame.
Canvas PaintSheet(const assets::ImageAsset& image, const SheetPainter& painter, int level);

// The painters, one family of pictures per source file.
void PaintShip(Canvas& frame, int index);
void PaintBang(Canvas& frame, int index);
void PaintHeart(Canvas& frame, int index);
void PaintParts(Canvas& frame, int index);
void PaintBaddie(Canvas& frame, int index);
void PaintBadge(Canvas& frame, int index);
void PaintIcon(Canvas& frame, int index);
void PaintButton(Canvas& frame, int index);
void PaintDpad(Canvas& frame, int index);
void PaintIcade(Canvas& frame, int index);
void PaintBackdrop(Canvas& frame, int index);
void PaintLogo(Canvas& frame, int index);
void PaintStudioEmblem(Canvas& frame, int index);
void PaintTestCard(Canvas& frame, int index);

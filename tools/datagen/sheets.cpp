// The table that ties each image stem to its painter, and the sheet assembly.
#include "sheets.h"

#include <array>
#include <cstring>

#include "font.h"

namespace {

// The 16-unit sprites are drawn edge to edge and keep a one-unit border by the zoom.
constexpr float kSpriteZoom = 14.0f / 16.0f;

constexpr std::array kPainters = {
    SheetPainter{"baddies", 16, PaintBaddie, kSpriteZoom},
    SheetPainter{"bang", 1, PaintBang, kSpriteZoom},
    SheetPainter{"heart", 1, PaintHeart},
    SheetPainter{"ship", 1, PaintShip, kSpriteZoom},
    SheetPainter{"BadgesA", 8, PaintBadge},
    SheetPainter{"fonts/editundo", 16, PaintFontCell},
    SheetPainter{"common/Testcard_Circle", 1, PaintTestCard},
    SheetPainter{"common/icade", 2, PaintIcade},
    SheetPainter{"common/TOVKLogo", 1, PaintStudioEmblem},
    SheetPainter{"common/dpad", 4, PaintDpad},
    SheetPainter{"common/Buttons", 4, PaintButton},
    SheetPainter{"parts", 4, PaintParts},
    SheetPainter{"common/icons", 4, PaintIcon},
    SheetPainter{"logo", 1, PaintLogo},
    SheetPainter{"bg", 1, PaintBackdrop},
};

}  // namespace

std::span<const SheetPainter> SheetPainters() {
  return kPainters;
}

const SheetPainter* FindSheetPainter(const char* stem) {
  for (const SheetPainter& painter : kPainters) {
    if (std::strcmp(painter.stem, stem) == 0) return &painter;
  }
  return nullptr;
}

Canvas PaintSheet(const assets::ImageAsset& image, const SheetPainter& painter, int level) {
  const int frameWidth = image.frameWidth * level;
  const int frameHeight = image.frameHeight * level;
  const int rows = (image.frameCount + painter.columns - 1) / painter.columns;
  const auto scale = static_cast<float>(level);
  Canvas sheet(frameWidth * painter.columns, frameHeight * rows, scale);
  // Zooming about the centre: the centre stays at the same pixel.
  const Vec2 origin = {0.5f * static_cast<float>(frameWidth) * (1.0f - painter.zoom),
                       0.5f * static_cast<float>(frameHeight) * (1.0f - painter.zoom)};
  for (int index = 0; index < image.frameCount; ++index) {
    Canvas frame(frameWidth, frameHeight, scale * painter.zoom, origin);
    painter.paint(frame, index);
    sheet.Blit(frame, (index % painter.columns) * frameWidth,
               (index / painter.columns) * frameHeight);
  }
  return sheet;
}

// The contact sheet: loads every picture of the data folder at one detail level the way the game
// does (stem + suffix, frame size × level, centred handles), draws every frame of each on a dark
// backdrop with the game's own image drawing, and saves the screen as one PNG. A band at the top
// shows sprites, text, the logo and the backdrop tile at the scales the game draws them.
//
//   parvolt_contact_sheet LEVEL OUTPUT.png [GAME_FOLDER]
//
// GAME_FOLDER (default: the working folder) holds data/. Needs a display (xvfb-run works).
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <stb_image_write.h>

#include "asset_table.h"
#include "graphics/graphics_context.h"
#include "graphics/image.h"
#include "graphics/renderer.h"
#include "host/glfw_platform.h"

namespace {

// The sheet is drawn in pages of one window each and the pages stacked into the PNG.
constexpr int kPageWidth = 1600;
constexpr int kPageHeight = 1000;
constexpr int kMargin = 16;
constexpr int kFrameGap = 6;    // between the frames of one picture
constexpr int kSheetGap = 28;   // between pictures
constexpr float kBackdrop = 8;  // grey level of the page
// Every frame sits on a slightly lighter cell, so that its extent and edges show.
constexpr float kCellRed = 30, kCellGreen = 30, kCellBlue = 44;

// One frame to draw. Sheet frames are placed by their top-left corner and drawn with
// RenderImage; the game band places frames by their handle and draws them the way the game
// replays its image commands, with RenderImageTransformed.
struct Placement {
  c_Image* image;
  int frame;
  float x, y;
  bool transformed = false;
  float scale = 1;
  float rotation = 0;
  bool cell = false;  // whether a cell backdrop marks the frame's extent
};

struct Layout {
  std::vector<Placement> placements;
  float cursorX = kMargin;
  float cursorY = kMargin;
  float rowHeight = 0;

  // Places a frame after the previous one, starting a new row when it does not fit.
  void PlaceFrame(c_Image* image, int frame) {
    const auto w = static_cast<float>(image->width);
    if (cursorX > kMargin && cursorX + w > kPageWidth - kMargin) NewRow(kFrameGap);
    placements.push_back(
        {.image = image, .frame = frame, .x = cursorX, .y = cursorY, .cell = true});
    cursorX += w + kFrameGap;
    rowHeight = std::max(rowHeight, static_cast<float>(image->height));
  }
  void NewRow(float gap) {
    cursorX = kMargin;
    cursorY += rowHeight + gap;
    rowHeight = 0;
  }
  float Height() const { return cursorY + rowHeight + kMargin; }
};

// Pixels per game unit of the smallest usual window of each detail level: 640 × 480 for the
// levels 1 and 2, 1280 × 960 for level 4.
float DesignScale(int level) {
  return level == 4 ? 2.0f : 1.0f;
}

// Draws images as the game does: positions in game units, the draw scale times the window's
// scale times 1 / level.
class GameBand {
 public:
  GameBand(Layout& layout, const std::vector<Ref<c_Image>>& images, int level)
      : layout(layout), images(images), level(level), top(layout.cursorY) {}

  void Draw(const char* stem, int frame, float x, float y, float drawScale, float rotation = 0) {
    const float unit = DesignScale(level);
    layout.placements.push_back({.image = Find(stem),
                                 .frame = frame,
                                 .x = kMargin + x * unit,
                                 .y = top + y * unit,
                                 .transformed = true,
                                 .scale = drawScale * unit / static_cast<float>(level),
                                 .rotation = rotation});
  }
  // Text in the bitmap font, advancing 7 units times the draw scale per character.
  void Text(const std::string& text, float x, float y, float drawScale) {
    for (char c : text) {
      if (c != ' ') Draw("fonts/editundo", c - assets::kFontFirstCode, x, y, drawScale);
      x += assets::kFontAdvance * drawScale;
    }
  }
  // Ends the band `height` units below its top.
  void Finish(float height) {
    layout.cursorY = top + height * DesignScale(level) + kSheetGap;
    layout.cursorX = kMargin;
    layout.rowHeight = 0;
  }

 private:
  c_Image* Find(const char* stem) const {
    for (std::size_t i = 0; i < assets::kImages.size(); ++i) {
      if (std::string(assets::kImages[i].stem) == stem) return images[i].Get();
    }
    return nullptr;
  }

  Layout& layout;
  const std::vector<Ref<c_Image>>& images;
  int level;
  float top;
};

// What a player sees, at the scales the game draws with: the backdrop tile at 2 as in play with
// the ship and every enemy at 1 over it (at quarter-unit offsets, since positions are not whole
// pixels), hit enemies at 0.5 and turned, explosions at several sizes and angles, the heart and
// the score at 2, small text at 1; below, the logo at 2 as on the title screen, icons at 2 with
// the selection ring at 2.5, and the studio emblem at 0.5 as the credits button.
void PlaceGameBand(Layout& layout, const std::vector<Ref<c_Image>>& images, int level) {
  GameBand band(layout, images, level);
  band.Draw("bg", 0, 256, 256, 2);
  band.Draw("ship", 0, 24, 24, 1);
  for (int frame = 0; frame < 64; ++frame) {
    const float offset = 0.25f * static_cast<float>(frame % 4);
    band.Draw("baddies", frame, 56 + 28 * (frame % 16) + offset, 24 + 28 * (frame / 16) + offset,
              1);
  }
  for (int i = 0; i < 8; ++i) {
    band.Draw("baddies", i * 9 % 64, 24 + 28 * i, 150, 0.5f, 12.0f * i);
    band.Draw("bang", 0, 24 + 28 * i, 180, 0.5f + 0.25f * i, 45.0f * i);
  }
  band.Draw("heart", 0, 472, 212, 2);
  band.Text("00012345", 40, 212, 2);
  band.Text("PARVOLT 0123456789 Score: 12,345 - Ready? (x3) !@#$%&*", 24, 260, 1);
  band.Text("The quick brown fox jumps over the lazy dog.", 24, 280, 1);
  band.Draw("logo", 0, 256, 512 + 8 + 128, 2);
  const int icons[] = {0, 1, 3, 4, 5};
  for (int i = 0; i < 5; ++i)
    band.Draw("common/icons", icons[i], 560 + 72 * (i % 3), 556 + 72 * (i / 3), 2);
  band.Draw("common/icons", 6, 560 + 72, 556, 2.5f);
  band.Draw("common/TOVKLogo", 0, 560 + 72, 720, 0.5f);
  band.Finish(784);
}

void PlaceSheet(Layout& layout, c_Image* image) {
  for (int frame = 0; frame < static_cast<int>(image->frames.size()); ++frame) {
    layout.PlaceFrame(image, frame);
  }
  layout.NewRow(kSheetGap);
}

void DrawPlacement(const Placement& p, float pageTop) {
  const float y = p.y - pageTop;
  // Whatever could reach this page: a frame turned and scaled stays within its diagonal.
  const float reach = static_cast<float>(p.image->width + p.image->height) * p.scale;
  if (y + reach < 0 || y - reach > kPageHeight) return;
  if (p.transformed) {
    RenderImageTransformed(p.image, p.x, y, p.rotation, p.scale, p.scale, p.frame);
    return;
  }
  if (p.cell) {
    SetRenderColor(kCellRed, kCellGreen, kCellBlue);
    RenderRect(p.x, y, static_cast<float>(p.image->width), static_cast<float>(p.image->height));
    SetRenderColor(255, 255, 255);
  }
  RenderImage(p.image, p.x + p.image->handleX, y + p.image->handleY, p.frame);
}

// Draws the pages one by one and stacks what the screen shows into straight RGBA rows.
std::vector<unsigned char> DrawPages(gxtkGraphics& renderer, const Layout& layout, int height) {
  std::vector<unsigned char> rgba(static_cast<std::size_t>(kPageWidth) * height * 4);
  std::vector<int> page(static_cast<std::size_t>(kPageWidth) * kPageHeight);
  for (int top = 0; top < height; top += kPageHeight) {
    renderer.BeginFrame();
    ResetRenderState();
    ClearRender(kBackdrop, kBackdrop, kBackdrop);
    for (const Placement& p : layout.placements) DrawPlacement(p, static_cast<float>(top));
    renderer.ReadScreenPixels(page, 0, 0, kPageWidth, kPageHeight, 0, kPageWidth);
    g_renderDevice = nullptr;
    renderer.EndFrame();
    const int rows = std::min(kPageHeight, height - top);
    for (int i = 0; i < rows * kPageWidth; ++i) {
      // 0xAARRGGBB over an opaque backdrop, so premultiplied and straight agree.
      const auto pixel = static_cast<std::uint32_t>(page[i]);
      unsigned char* out = &rgba[(static_cast<std::size_t>(top) * kPageWidth + i) * 4];
      out[0] = static_cast<unsigned char>(pixel >> 16);
      out[1] = static_cast<unsigned char>(pixel >> 8);
      out[2] = static_cast<unsigned char>(pixel);
      out[3] = 255;
    }
  }
  return rgba;
}

int Run(int level, const std::string& output) {
  // A failed grab raises a runtime error that would wait for a debugger on standard input.
  if (!std::freopen("/dev/null", "r", stdin)) return 1;
  if (!glfwInit()) {
    std::fprintf(stderr, "no display\n");
    return 1;
  }
  glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
  GLFWwindow* window = glfwCreateWindow(kPageWidth, kPageHeight, "contact sheet", nullptr, nullptr);
  if (!window) {
    std::fprintf(stderr, "no OpenGL window\n");
    return 1;
  }
  glfwMakeContextCurrent(window);
  GlfwPlatform platform(window);
  Ref<QorGlfwGame> host = New<QorGlfwGame>(platform);
  g_hostGame = host.Get();
  InitGraphicsGlobals();
  Ref<gxtkGraphics> renderer = New<gxtkGraphics>();
  g_graphicsDevice = renderer.Get();

  // The game's loading rule: every picture with centred handles and frames `level` times the
  // table's size in game units.
  std::vector<Ref<c_Image>> images;
  for (const assets::ImageAsset& asset : assets::kImages) {
    const std::string file = assets::ImageFileName(asset.stem, level);
    images.push_back(LoadImageGrid(String(file.c_str()), asset.frameWidth * level,
                                   asset.frameHeight * level, asset.frameCount, CenterHandleFlag));
    if (!images.back()) {
      std::fprintf(stderr, "cannot load data/%s\n", file.c_str());
      return 1;
    }
  }
  Ref<c_Image> defaultFont =
      LoadImageFile(assets::kDefaultFontFile, assets::kDefaultFontCells, PadXFlag);
  if (!defaultFont) {
    std::fprintf(stderr, "cannot load data/%s\n", assets::kDefaultFontFile);
    return 1;
  }

  Layout layout;
  PlaceGameBand(layout, images, level);
  for (const Ref<c_Image>& image : images) PlaceSheet(layout, image.Get());
  PlaceSheet(layout, defaultFont.Get());

  const int height = static_cast<int>(layout.Height());
  const std::vector<unsigned char> rgba = DrawPages(*renderer, layout, height);
  if (!stbi_write_png(output.c_str(), kPageWidth, height, 4, rgba.data(), kPageWidth * 4)) {
    std::fprintf(stderr, "cannot write %s\n", output.c_str());
    return 1;
  }
  std::printf("%s: %d × %d\n", output.c_str(), kPageWidth, height);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string level = argc >= 3 ? argv[1] : "";
  if ((level != "1" && level != "2" && level != "4") || argc > 4) {
    std::fprintf(stderr, "usage: %s 1|2|4 OUTPUT.png [GAME_FOLDER]\n", argv[0]);
    return 2;
  }
  const std::string output = std::filesystem::absolute(argv[2]).string();
  if (argc == 4 && chdir(argv[3]) != 0) {
    std::fprintf(stderr, "cannot enter %s\n", argv[3]);
    return 1;
  }
  return Run(std::stoi(level), output);
}

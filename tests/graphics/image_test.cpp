// Images: frames cut from strips and grids, flags and handles, the data-folder path rule, the
// default font, the grab that leaves the picture, and where frames are drawn.
#include <unistd.h>

#include <cstdio>

#include "graphics/image.h"
#include "graphics_test_support.h"

namespace {

struct FramePosition {
  int x, y;
  bool operator==(const FramePosition&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FramePosition& f) {
  return out << "(" << f.x << ", " << f.y << ")";
}

std::vector<FramePosition> Positions(const c_Image& image) {
  std::vector<FramePosition> positions;
  for (const Ref<c_Frame>& frame : image.frames) positions.push_back({frame->x, frame->y});
  return positions;
}

class Images : public HeadlessTest {};

TEST_F(Images, StripsAreCutIntoFramesAndFlagsApplied) {
  struct Case {
    const char* name;
    int pictureWidth, pictureHeight, frameCount, flags;
    int width, height;
    std::vector<FramePosition> someFrames;  // frames 0, 1, ... as far as listed
    float handleX, handleY;
    int resultFlags;
  };
  const Case cases[] = {
      {"one frame", 64, 32, 1, 0, 64, 32, {{0, 0}}, 0, 0, WholeSurfaceFlag},
      {"four frames", 64, 32, 4, 0, 16, 32, {{0, 0}, {16, 0}, {32, 0}, {48, 0}}, 0, 0, 0},
      {"font cells", 960, 12, 96, PadXFlag, 8, 12, {{1, 0}, {11, 0}, {21, 0}}, 0, 0, PadXFlag},
      {"centred handle", 16, 16, 1, CenterHandleFlag, 16, 16, {{0, 0}}, 8, 8, WholeSurfaceFlag},
      {"centred within borders",
       18,
       18,
       1,
       CenterHandleFlag | PadXFlag,
       16,
       18,
       {{1, 0}},
       8,
       9,
       PadXFlag},
      {"top and bottom borders", 16, 18, 2, PadYFlag, 8, 16, {{0, 1}, {8, 1}}, 0, 0, PadYFlag},
      {"whole-surface flag is not taken from the caller",
       64,
       32,
       2,
       WholeSurfaceFlag,
       32,
       32,
       {{0, 0}, {32, 0}},
       0,
       0,
       0},
  };
  for (const Case& c : cases) {
    const std::string name = std::string(c.name) + ".png";
    WritePng(name, Picture(c.pictureWidth, c.pictureHeight, 4, {0, 0, 0, 255}));
    Ref<c_Image> image = LoadImageFile(name.c_str(), c.frameCount, c.flags);
    ASSERT_TRUE(image) << c.name;
    EXPECT_EQ(image->width, c.width) << c.name;
    EXPECT_EQ(image->height, c.height) << c.name;
    ASSERT_EQ(static_cast<int>(image->frames.size()), c.frameCount) << c.name;
    const std::vector<FramePosition> all = Positions(*image);
    EXPECT_EQ(std::vector(all.begin(), all.begin() + c.someFrames.size()), c.someFrames) << c.name;
    EXPECT_EQ(image->handleX, c.handleX) << c.name;
    EXPECT_EQ(image->handleY, c.handleY) << c.name;
    EXPECT_EQ(image->flags, c.resultFlags) << c.name;
  }
}

TEST_F(Images, TheGlyphOfAIsFrame33) {
  WritePng("font.png", Picture(960, 12, 4, {0, 0, 0, 255}));
  Ref<c_Image> font = LoadImageFile("font.png", 96, PadXFlag);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->frames['A' - 32]->x, 331);
}

TEST_F(Images, GridsAreGrabbedRowByRow) {
  WritePng("sheet.png", Picture(64, 64, 3, {1, 2, 3}));
  Ref<c_Image> sheet = LoadImageFile("sheet.png", 1, 0);
  ASSERT_TRUE(sheet);

  Ref<c_Image> wrapped = sheet->GrabFrames(16, 0, 32, 32, 3, 0);
  ASSERT_TRUE(wrapped);
  // The second frame does not fit after the first and starts the next row at column 0.
  EXPECT_EQ(Positions(*wrapped), (std::vector<FramePosition>{{16, 0}, {0, 32}, {32, 32}}));
  EXPECT_EQ(wrapped->source, sheet);
  EXPECT_EQ(wrapped->surface, sheet->surface);

  Ref<c_Image> grid = LoadImageGrid("sheet.png", 32, 32, 4, CenterHandleFlag | PadXFlag | PadYFlag);
  ASSERT_TRUE(grid);
  EXPECT_EQ(Positions(*grid), (std::vector<FramePosition>{{1, 1}, {33, 1}, {1, 33}, {33, 33}}));
  EXPECT_EQ(grid->width, 30);
  EXPECT_EQ(grid->height, 30);
  EXPECT_EQ(grid->handleX, 15);
  EXPECT_EQ(grid->flags, PadXFlag | PadYFlag);
  ASSERT_TRUE(grid->source);
  EXPECT_NE(grid->source->surface, sheet->surface) << "each load reads the file again";

  Ref<c_Image> strip = LoadImageFile("sheet.png", 2, 0);
  EXPECT_FALSE(strip->GrabFrames(0, 0, 8, 8, 1, 0)) << "only a single-frame image is grabbed from";
}

TEST_F(Images, GrabLeavingThePictureEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  WritePng("sheet.png", Picture(64, 64, 4, {0, 0, 0, 255}));
  Ref<c_Image> sheet = LoadImageFile("sheet.png", 1, 0);
  ASSERT_TRUE(sheet);
  struct Case {
    const char* name;
    int x, y, w, h, frameCount;
  };
  const Case cases[] = {
      {"fifth 32x32 frame of 64x64", 0, 0, 32, 32, 5},
      {"taller than the picture", 0, 0, 8, 65, 1},
      {"left of the picture", -1, 0, 8, 8, 1},
  };
  for (const Case& c : cases) {
    // No debugger attached: end of input on standard input; the report is read from stderr.
    EXPECT_EXIT(
        {
          std::freopen("/dev/null", "r", stdin);
          dup2(STDERR_FILENO, STDOUT_FILENO);
          sheet->GrabFrames(c.x, c.y, c.w, c.h, c.frameCount, 0);
        },
        ::testing::ExitedWithCode(255), "Vindle Runtime Error : Image frame outside surface")
        << c.name;
  }
  EXPECT_EXIT(
      {
        std::freopen("/dev/null", "r", stdin);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        LoadImageGrid("sheet.png", 32, 32, 5, 0);
      },
      ::testing::ExitedWithCode(255), "Vindle Runtime Error : Image frame outside surface");
}

TEST_F(Images, UnreadableFilesGiveNoImage) {
  WriteFile("broken.png", "\x89PNG broken");
  for (const char* path : {"missing.png", "broken.png"}) {
    EXPECT_FALSE(LoadImageFile(path, 1, 0)) << path;
    EXPECT_FALSE(LoadImageGrid(path, 8, 8, 1, 0)) << path;
  }
}

TEST_F(Images, BareNamesGoToTheDataFolder) {
  const std::pair<const char*, const char*> cases[] = {
      {"gfx/ship.png", "vindle://data/gfx/ship.png"},
      {"/abs/x.png", "/abs/x.png"},
      {"./x.png", "./x.png"},
      {"c:/x.png", "c:/x.png"},
      {"vindle://internal/x.png", "vindle://internal/x.png"},
      {"a/b:/c", "vindle://data/a/b:/c"},
      {"x.png", "vindle://data/x.png"},
      {"", "vindle://data/"},
  };
  for (auto [path, resolved] : cases) {
    EXPECT_EQ(ResolveDataPath(path).Narrow(), resolved) << path;
  }
}

TEST_F(Images, DefaultFontLoadsOnceAndIsRetriedWhileMissing) {
  UseDefaultFont();
  EXPECT_FALSE(g_graphicsContext->font);
  EXPECT_EQ(g_graphicsContext->firstChar, 32);

  WritePng("vorla_font.png", Picture(960, 12, 4, {255, 255, 255, 255}));
  UseDefaultFont();
  ASSERT_TRUE(g_graphicsContext->font);
  c_Image* font = g_graphicsContext->font.Get();
  EXPECT_EQ(font, g_graphicsContext->defaultFont.Get());
  EXPECT_EQ(font->frames.size(), 96u);
  EXPECT_EQ(font->width, 8);

  std::remove("data/vorla_font.png");
  g_graphicsContext->font = nullptr;
  UseDefaultFont();
  EXPECT_EQ(g_graphicsContext->font.Get(), font) << "loaded once";
}

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr std::uint32_t kBlack = 0xFF000000;

class ImageDrawing : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WindowTest::SetUp());
    // Four 4×4 frames: red, green, blue, white.
    Picture strip(16, 4, 4, {255, 0, 0, 255});
    strip.Paint(4, 0, 4, 4, {0, 255, 0, 255});
    strip.Paint(8, 0, 4, 4, {0, 0, 255, 255});
    strip.Paint(12, 0, 4, 4, {255, 255, 255, 255});
    WritePng("strip.png", strip);
    // One 8×4 frame: left half red, right half green.
    Picture halves(8, 4, 4, {255, 0, 0, 255});
    halves.Paint(4, 0, 4, 4, {0, 255, 0, 255});
    WritePng("halves.png", halves);
    StartFrame();
  }
};

TEST_F(ImageDrawing, FramesAreDrawnAtTheirHandle) {
  Ref<c_Image> strip = LoadImageFile("strip.png", 4, CenterHandleFlag);
  ASSERT_TRUE(strip);
  RenderImage(strip.Get(), 20, 20, 2);
  RenderImageTransformed(strip.Get(), 60, 20, 0, 1, 1, 2);
  const std::vector<std::uint32_t> plain = Block(10, 10, 20, 20);
  EXPECT_EQ(Block(50, 10, 20, 20), plain) << "rotation 0 and scale 1 draw where RenderImage does";
  EXPECT_TRUE(PixelNear(Pixel(18, 18), kBlue));
  EXPECT_TRUE(PixelNear(Pixel(21, 21), kBlue));
  EXPECT_TRUE(PixelNear(Pixel(17, 18), kBlack));
  EXPECT_TRUE(PixelNear(Pixel(22, 21), kBlack));
  EXPECT_TRUE(PixelNear(Pixel(18, 22), kBlack));
}

TEST_F(ImageDrawing, TheHandleIsThePivotOfRotationAndScale) {
  Ref<c_Image> halves = LoadImageFile("halves.png", 1, CenterHandleFlag);
  ASSERT_TRUE(halves);
  ASSERT_TRUE(halves->flags & WholeSurfaceFlag);
  struct Case {
    float rotation, scale;
    std::vector<std::pair<std::pair<int, int>, std::uint32_t>> pixels;
  };
  const Case cases[] = {
      {0, 1, {{{60, 62}, kRed}, {{67, 65}, kGreen}, {{68, 62}, kBlack}, {{64, 60}, kBlack}}},
      // Counter-clockwise on screen: the right half turns upward.
      {90, 1, {{{63, 61}, kGreen}, {{63, 66}, kRed}, {{67, 63}, kBlack}, {{64, 59}, kBlack}}},
      {90, 2, {{{61, 57}, kGreen}, {{66, 70}, kRed}, {{64, 55}, kBlack}, {{69, 63}, kBlack}}},
  };
  for (const Case& c : cases) {
    ClearRender(0, 0, 0);
    RenderImageTransformed(halves.Get(), 64, 64, c.rotation, c.scale, c.scale, 0);
    for (auto [at, colour] : c.pixels) {
      EXPECT_TRUE(PixelNear(Pixel(at.first, at.second), colour))
          << c.rotation << " degrees, scale " << c.scale << " at " << at.first << "," << at.second;
    }
    EXPECT_EQ(g_graphicsContext->matrixSp, 0);
    EXPECT_FALSE(g_graphicsContext->transformed);
  }
}

}  // namespace

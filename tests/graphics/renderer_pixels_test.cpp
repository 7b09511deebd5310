// The renderer's pixels on a real OpenGL context: blending of premultiplied colours, the tint
// of textures, scissoring, transforms, filled shapes and clearing, read back from the frame.
#include <functional>
#include <utility>

#include "graphics_test_support.h"

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

using Point = std::pair<int, int>;

class RendererPixels : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WindowTest::SetUp());
    StartFrame();
  }

  void ExpectCoverage(const char* name, const std::vector<Point>& lit,
                      const std::vector<Point>& unlit) {
    for (auto [x, y] : lit)
      EXPECT_TRUE(PixelNear(Pixel(x, y), kWhite)) << name << " " << x << "," << y;
    for (auto [x, y] : unlit)
      EXPECT_TRUE(PixelNear(Pixel(x, y), kBlack)) << name << " " << x << "," << y;
  }
};

TEST_F(RendererPixels, BlendsPremultipliedAndAdditiveColours) {
  struct Case {
    const char* name;
    int mode;
    float background[3];
    float colour[3];
    float alpha;
    std::uint32_t expected;
  };
  const Case cases[] = {
      // Colour (127, 0, 0) with alpha 127 over blue: blue keeps 128/255 of itself.
      {"half red over blue", 0, {0, 0, 255}, {255, 0, 0}, 0.5f, 0xFF7F0080},
      {"opaque replaces", 0, {0, 0, 255}, {10, 20, 30}, 1, 0xFF0A141E},
      {"mode 2 blends as mode 0", 2, {0, 0, 255}, {255, 0, 0}, 0.5f, 0xFF7F0080},
      {"additive", 1, {100, 50, 0}, {100, 100, 100}, 1, 0xFFC89664},
      {"additive at half alpha", 1, {100, 50, 0}, {200, 100, 50}, 0.5f, 0xFFC86419},
      {"additive saturates", 1, {200, 200, 200}, {100, 100, 100}, 1, 0xFFFFFFFF},
  };
  for (const Case& c : cases) {
    renderer->SetBlendMode(0);
    renderer->Clear(c.background[0], c.background[1], c.background[2]);
    renderer->SetBlendMode(c.mode);
    renderer->SetColor(c.colour[0], c.colour[1], c.colour[2]);
    renderer->SetAlpha(c.alpha);
    renderer->FillRect(10, 10, 20, 20);
    EXPECT_TRUE(PixelNear(Pixel(15, 15), c.expected)) << c.name;
    const auto background = static_cast<std::uint32_t>(
        0xFF000000 | int(c.background[0]) << 16 | int(c.background[1]) << 8 | int(c.background[2]));
    EXPECT_TRUE(PixelNear(Pixel(35, 15), background)) << c.name;
  }
}

TEST_F(RendererPixels, ColourAndAlphaTintTexturedQuads) {
  const std::string opaque = WritePng("opaque.png", Picture(4, 4, 4, {200, 100, 50, 255}));
  const std::string half = WritePng("half.png", Picture(4, 4, 4, {200, 100, 50, 128}));
  Ref<gxtkSurface> opaqueSurface = renderer->LoadSurfaceFile(opaque.c_str());
  Ref<gxtkSurface> halfSurface = renderer->LoadSurfaceFile(half.c_str());
  ASSERT_TRUE(opaqueSurface && halfSurface);
  struct Case {
    const char* name;
    gxtkSurface* surface;
    float background;
    float colour[3];
    float alpha;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {"white leaves texels", opaqueSurface.Get(), 0, {255, 255, 255}, 1, 0xFFC86432},
      {"colour tints", opaqueSurface.Get(), 0, {255, 128, 0}, 1, 0xFFC83200},
      {"alpha fades over black", opaqueSurface.Get(), 0, {255, 255, 255}, 0.5f, 0xFF643219},
      {"alpha fades over white", opaqueSurface.Get(), 255, {255, 255, 255}, 0.5f, 0xFFE4B299},
      // Texel (100, 50, 25, 128) after premultiplication, over white.
      {"texel alpha blends", halfSurface.Get(), 255, {255, 255, 255}, 1, 0xFFE3B198},
  };
  for (const Case& c : cases) {
    renderer->Clear(c.background, c.background, c.background);
    renderer->SetColor(c.colour[0], c.colour[1], c.colour[2]);
    renderer->SetAlpha(c.alpha);
    renderer->BlitSurface(c.surface, 10, 10);
    EXPECT_TRUE(PixelNear(Pixel(11, 12), c.expected, 2)) << c.name;
  }
}

TEST_F(RendererPixels, ScissorLimitsDrawingUntilTheWholeWindowIsGiven) {
  renderer->SetScissorRect(10, 20, 30, 40);
  renderer->Clear(255, 255, 255);
  ExpectCoverage("scissored clear", {{10, 20}, {39, 20}, {10, 59}, {39, 59}},
                 {{9, 20}, {10, 19}, {40, 20}, {10, 60}, {10, 70}});
  renderer->SetColor(255, 255, 255);
  renderer->SetScissorRect(0, 0, 128, 128);
  renderer->FillRect(0, 0, 128, 128);
  ExpectCoverage("scissor off", {{0, 0}, {127, 127}, {9, 20}}, {});
}

TEST_F(RendererPixels, TransformsPlaceShapes) {
  struct Case {
    const char* name;
    std::function<void()> draw;
    std::vector<Point> lit;
    std::vector<Point> unlit;
  };
  const Case cases[] = {
      {"rotation by 90 turns (1, 0) upward",
       [] {
         TranslateRender(64, 64);
         RotateRender(90);
         RenderRect(0, 0, 10, 1);
       },
       {{64, 55}, {64, 63}},
       {{64, 64}, {70, 64}, {63, 60}}},
      {"translate then scale applies the scale first",
       [] {
         TranslateRender(10, 0);
         ScaleRender(2, 2);
         RenderRect(1, 0, 1, 1);
       },
       {{12, 0}, {13, 1}},
       {{11, 0}, {14, 0}, {12, 2}, {2, 0}}},
      {"pop sends the restored matrix again",
       [] {
         PushRenderMatrix();
         TranslateRender(50, 50);
         RenderRect(0, 0, 2, 2);
         PopRenderMatrix();
         RenderRect(0, 0, 2, 2);
       },
       {{50, 50}, {0, 0}},
       {{2, 2}, {52, 52}}},
  };
  for (const Case& c : cases) {
    ClearRender(0, 0, 0);
    SetRenderMatrix(1, 0, 0, 1, 0, 0);
    c.draw();
    ExpectCoverage(c.name, c.lit, c.unlit);
  }
}

TEST_F(RendererPixels, ShapesCoverTheirPixels) {
  const float triangle[] = {10, 10, 50, 10, 10, 50};
  struct Case {
    const char* name;
    std::function<void()> draw;
    std::vector<Point> lit;
    std::vector<Point> unlit;
  };
  const Case cases[] = {
      {"point", [this] { renderer->PlotPoint(5.5f, 5.5f); }, {{5, 5}}, {{4, 5}, {6, 5}, {5, 6}}},
      {"line",
       [this] { renderer->DrawLine(0, 100.5f, 20, 100.5f); },
       {{0, 100}, {19, 100}},
       {{0, 99}, {0, 101}, {21, 100}}},
      {"oval",
       [this] { renderer->FillOval(20, 40, 80, 40); },
       {{60, 60}, {22, 60}, {97, 60}, {60, 42}, {60, 77}},
       {{21, 41}, {98, 78}, {60, 38}, {60, 81}, {18, 60}}},
      {"polygon",
       [this, &triangle] { renderer->FillPolygon(triangle); },
       {{12, 12}, {47, 11}, {11, 47}, {25, 25}},
       {{40, 40}, {9, 30}, {30, 9}, {51, 11}}},
  };
  for (const Case& c : cases) {
    renderer->Clear(0, 0, 0);
    c.draw();
    ExpectCoverage(c.name, c.lit, c.unlit);
  }
}

TEST_F(RendererPixels, ClearDropsPendingPrimitives) {
  renderer->FillRect(0, 0, 64, 64);
  const std::int64_t drawsBefore = renderer->DrawCallCount();
  renderer->Clear(0, 0, 255);
  EXPECT_TRUE(PixelNear(Pixel(10, 10), 0xFF0000FF));
  EXPECT_TRUE(PixelNear(Pixel(100, 100), 0xFF0000FF));
  EXPECT_EQ(renderer->DrawCallCount(), drawsBefore) << "the rectangle was never drawn";
}

}  // namespace

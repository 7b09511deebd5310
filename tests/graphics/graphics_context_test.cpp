// The drawing state: the scissor rectangle as floats and as pixels, ellipses through the
// renderer's ovals, the reset at the start of every frame, calls outside a frame and the
// bounds of the matrix stack.
#include "graphics_test_support.h"

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

class DrawingState : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WindowTest::SetUp());
    StartFrame();
  }
};

TEST_F(DrawingState, ScissorKeepsFloatsAndCutsWholePixels) {
  SetRenderScissor(10.9f, 20.2f, 100.7f, 50.5f);
  EXPECT_EQ(g_graphicsContext->scissorX, 10.9f);
  EXPECT_EQ(g_graphicsContext->scissorH, 50.5f);
  ClearRender(255, 255, 255);
  // The renderer got (10, 20, 100, 50).
  for (auto [x, y] : {std::pair{10, 20}, {109, 69}})
    EXPECT_EQ(Pixel(x, y), kWhite) << x << "," << y;
  for (auto [x, y] : {std::pair{9, 20}, {10, 19}, {110, 69}, {109, 70}}) {
    EXPECT_EQ(Pixel(x, y), kBlack) << x << "," << y;
  }
}

TEST_F(DrawingState, EllipseIsTheOvalOfItsBoundingBox) {
  RenderEllipse(100, 100, 10, 5);
  const std::vector<std::uint32_t> ellipse = Block(80, 80, 40, 40);
  EXPECT_EQ(renderer->LastDrawSize(), 12);
  ClearRender(0, 0, 0);
  renderer->FillOval(90, 95, 20, 10);
  EXPECT_EQ(Block(80, 80, 40, 40), ellipse);
  EXPECT_EQ(Pixel(100, 100), kWhite);
}

TEST_F(DrawingState, EveryFrameStartsFromTheResetState) {
  SetRenderBlend(1);
  SetRenderColor(10, 20, 30);
  SetRenderAlpha(0.2f);
  SetRenderScissor(5, 5, 10, 10);
  PushRenderMatrix();
  PushRenderMatrix();
  TranslateRender(40, 40);
  RenderRect(0, 0, 1, 1);
  FinishFrame();

  StartFrame();
  EXPECT_EQ(g_renderDevice, renderer.Get());
  EXPECT_EQ(g_graphicsContext->matrixSp, 0);
  EXPECT_EQ(g_graphicsContext->blend, 0);
  // White, opaque, untransformed and unscissored: the whole window turns white.
  RenderRect(0, 0, 128, 128);
  EXPECT_EQ(Pixel(0, 0), kWhite);
  EXPECT_EQ(Pixel(127, 127), kWhite);
  // Alpha blending again: opaque black covers the white, which adding would not.
  SetRenderColor(0, 0, 0);
  RenderRect(0, 0, 64, 128);
  EXPECT_EQ(Pixel(10, 10), kBlack);
  EXPECT_EQ(Pixel(100, 10), kWhite);
}

TEST_F(DrawingState, OutsideAFrameStateIsKeptAndNothingIsDrawn) {
  FinishFrame();
  ASSERT_EQ(g_renderDevice, nullptr);
  SetRenderColor(1, 2, 3);
  SetRenderAlpha(0.25f);
  TranslateRender(3, 4);
  RenderRect(0, 0, 10, 10);
  RenderLine(0, 0, 10, 10);
  RenderEllipse(5, 5, 3, 3);
  ClearRender(9, 9, 9);
  EXPECT_EQ(g_graphicsContext->red, 1);
  EXPECT_EQ(g_graphicsContext->alpha, 0.25f);
  EXPECT_TRUE(g_graphicsContext->matrixDirty) << "kept for the next frame's renderer";
  EXPECT_EQ(renderer->batchCount, 0);
  EXPECT_EQ(renderer->red, 255) << "the renderer was not reached";
}

TEST_F(DrawingState, MatrixStackStaysWithinItsLevels) {
  for (int i = 0; i < 40; ++i) {
    PushRenderMatrix();
    TranslateRender(1, 0);
  }
  EXPECT_EQ(g_graphicsContext->matrixSp, 192);
  for (int i = 0; i < 41; ++i) PopRenderMatrix();
  EXPECT_EQ(g_graphicsContext->matrixSp, 0);
  EXPECT_EQ(g_graphicsContext->tx, 0) << "the first saved matrix";
}

}  // namespace

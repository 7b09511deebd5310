// The renderer without a window, as the game's logic tests run it: its size is the one it is
// given, surfaces load with their sizes and no texture, and batches are counted as usual.
#include "graphics_test_support.h"

namespace {

using Headless = HeadlessTest;

TEST_F(Headless, SizeIsTheOneGiven) {
  EXPECT_EQ(renderer->BackbufferWidth(), 0);
  EXPECT_EQ(renderer->BackbufferHeight(), 0);
  renderer->SetHeadlessSize(640, 480);
  EXPECT_EQ(renderer->BeginFrame(), 1);
  ResetRenderState();
  EXPECT_EQ(GraphicsWidth(), 640);
  EXPECT_EQ(GraphicsHeight(), 480);
  EXPECT_EQ(g_graphicsContext->scissorW, 640);
}

TEST_F(Headless, SurfacesKeepTheirPictureSizeWithoutATexture) {
  Ref<gxtkSurface> surface =
      renderer->LoadSurfaceFile(WritePng("s.png", Picture(30, 20, 2, {10, 200})).c_str());
  ASSERT_TRUE(surface);
  EXPECT_EQ(surface->PixelWidth(), 30);
  EXPECT_EQ(surface->PixelHeight(), 20);
  EXPECT_EQ(surface->channels, 2);
  EXPECT_EQ(surface->texture, 0u);
  EXPECT_EQ(surface->pixels, nullptr);
  EXPECT_FLOAT_EQ(surface->texScaleU, 1.0f / 30);
  EXPECT_FLOAT_EQ(surface->texScaleV, 1.0f / 20);
  EXPECT_FALSE(renderer->LoadSurfaceFile("./data/missing.png"));
}

TEST_F(Headless, BatchesAreCountedAsWithAWindow) {
  renderer->BeginFrame();
  for (int i = 0; i < 257; ++i) renderer->FillRect(0, 0, 1, 1);
  renderer->FillOval(0, 0, 40, 40);
  renderer->EndFrame();
  EXPECT_EQ(renderer->DrawCallCount(), 3);
  EXPECT_EQ(renderer->LastDrawSize(), 40);
}

}  // namespace

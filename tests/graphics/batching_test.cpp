// How the renderer batches: which sequences of primitives and state changes go out as how many
// draw calls, oval segment counts, and the colour bytes of the vertices.
#include <cstring>
#include <functional>

#include "graphics_test_support.h"

namespace {

class Batching : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_NO_FATAL_FAILURE(WindowTest::SetUp());
    a = renderer->LoadSurfaceFile(WritePng("a.png", Picture(8, 8, 4, {255, 0, 0, 255})).c_str());
    b = renderer->LoadSurfaceFile(WritePng("b.png", Picture(8, 8, 4, {0, 255, 0, 255})).c_str());
    ASSERT_TRUE(a && b);
    StartFrame();
  }

  // Draw calls made by `draw` up to the end of the frame.
  std::int64_t DrawCallsOf(const std::function<void(gxtkGraphics&)>& draw) {
    StartFrame();
    const std::int64_t before = renderer->DrawCallCount();
    draw(*renderer);
    FinishFrame();
    return renderer->DrawCallCount() - before;
  }

  Ref<gxtkSurface> a, b;
};

TEST_F(Batching, DrawCallsPerSequence) {
  std::vector<float> twoPoints(4, 1.0f), tooManyPoints(2 * 1025, 1.0f);
  struct Case {
    const char* name;
    std::function<void(gxtkGraphics&)> draw;
    std::int64_t drawCalls;
  };
  const Case cases[] = {
      {"257 rectangles",
       [](gxtkGraphics& r) {
         for (int i = 0; i < 257; ++i) r.FillRect(i, 0, 1, 1);
       },
       2},
      {"surfaces A, B, A",
       [&](gxtkGraphics& r) {
         r.BlitSurface(a.Get(), 0, 0);
         r.BlitSurface(b.Get(), 0, 0);
         r.BlitSurface(a.Get(), 0, 0);
       },
       3},
      {"surfaces A, A, A",
       [&](gxtkGraphics& r) {
         for (int i = 0; i < 3; ++i) r.BlitSurface(a.Get(), i, 0);
       },
       1},
      {"rectangle then line",
       [](gxtkGraphics& r) {
         r.FillRect(0, 0, 1, 1);
         r.DrawLine(0, 0, 5, 5);
       },
       2},
      {"colour, alpha and matrix between rectangles",
       [](gxtkGraphics& r) {
         r.FillRect(0, 0, 1, 1);
         r.SetColor(1, 2, 3);
         r.SetAlpha(0.5f);
         r.SetTransform(2, 0, 0, 2, 5, 5);
         r.FillRect(0, 0, 1, 1);
       },
       1},
      {"the blend mode set again",
       [](gxtkGraphics& r) {
         r.FillRect(0, 0, 1, 1);
         r.SetBlendMode(0);
         r.SetBlendMode(2);
         r.FillRect(0, 0, 1, 1);
       },
       1},
      {"the blend function changed",
       [](gxtkGraphics& r) {
         r.FillRect(0, 0, 1, 1);
         r.SetBlendMode(1);
         r.FillRect(0, 0, 1, 1);
       },
       2},
      {"a scissor between rectangles",
       [](gxtkGraphics& r) {
         r.FillRect(0, 0, 1, 1);
         r.SetScissorRect(1, 1, 10, 10);
         r.FillRect(0, 0, 1, 1);
       },
       2},
      {"an oval between rectangles",
       [](gxtkGraphics& r) {
         r.FillRect(0, 0, 1, 1);
         r.FillOval(0, 0, 10, 10);
         r.FillRect(0, 0, 1, 1);
       },
       3},
      {"polygons of 2 and 1025 points between rectangles",
       [&](gxtkGraphics& r) {
         r.FillRect(0, 0, 1, 1);
         r.FillPolygon(twoPoints);
         r.FillPolygon(tooManyPoints);
         r.FillRect(0, 0, 1, 1);
       },
       1},
      {"512 and 513 lines",
       [](gxtkGraphics& r) {
         for (int i = 0; i < 512; ++i) r.DrawLine(0, 0, 1, 1);
         r.SetBlendMode(1);
         for (int i = 0; i < 513; ++i) r.DrawLine(0, 0, 1, 1);
       },
       3},
      {"1024 and 1025 points",
       [](gxtkGraphics& r) {
         for (int i = 0; i < 1024; ++i) r.PlotPoint(0, 0);
         r.SetBlendMode(1);
         for (int i = 0; i < 1025; ++i) r.PlotPoint(0, 0);
       },
       3},
      // The draw-command replay sets alpha, colour and blend before every command.
      {"the replay's state before every rectangle",
       [](gxtkGraphics&) {
         for (int i = 0; i < 100; ++i) {
           SetRenderAlpha(0.5f);
           SetRenderColor(255, 0, 0);
           SetRenderBlend(0);
           RenderRect(i, 0, 1, 1);
         }
       },
       1},
  };
  for (const Case& c : cases) EXPECT_EQ(DrawCallsOf(c.draw), c.drawCalls) << c.name;
}

TEST_F(Batching, The257thRectangleSendsAFullBatch) {
  const std::int64_t before = renderer->DrawCallCount();
  for (int i = 0; i < 256; ++i) renderer->FillRect(i % 128, i / 128, 1, 1);
  EXPECT_EQ(renderer->DrawCallCount(), before);
  renderer->FillRect(256 % 128, 256 / 128, 1, 1);
  EXPECT_EQ(renderer->DrawCallCount(), before + 1);
  EXPECT_EQ(renderer->LastDrawSize(), 1536);
  const std::vector<std::uint32_t> rows = Block(0, 0, 128, 3);
  EXPECT_EQ(renderer->DrawCallCount(), before + 2);
  EXPECT_EQ(renderer->LastDrawSize(), 6);
  for (int i = 0; i < 3 * 128; ++i) {
    EXPECT_EQ(rows[i], i <= 256 ? 0xFFFFFFFFu : 0xFF000000u) << "rectangle " << i;
  }
}

TEST_F(Batching, FillPolygonOutsideItsLimitsLeavesTheBatchPending) {
  for (int points : {2, 1025}) {
    renderer->FillRect(0, 0, 1, 1);
    const std::vector<float> verts(2 * points, 3.0f);
    const std::int64_t before = renderer->DrawCallCount();
    renderer->FillPolygon(verts);
    EXPECT_EQ(renderer->DrawCallCount(), before) << points;
    EXPECT_EQ(renderer->batchCount, 1) << points;
    EXPECT_EQ(renderer->batchKind, gxtkGraphics::kQuads) << points;
    renderer->Clear(0, 0, 0);
  }
}

TEST_F(Batching, OvalSegmentsFollowTheTransformedRadii) {
  struct Case {
    float w, h;
    float scale;
    int segments;
  };
  const Case cases[] = {
      {4, 4, 1, 12},       {40, 40, 1, 40}, {50, 20, 1, 32},
      {3000, 10, 1, 1024}, {40, 40, 2, 80},  // radius vectors of 40 and 40 on screen
      {-40, -40, 1, 40},
  };
  for (const Case& c : cases) {
    renderer->SetTransform(c.scale, 0, 0, c.scale, 0, 0);
    const std::int64_t before = renderer->DrawCallCount();
    renderer->FillOval(10, 10, c.w, c.h);
    EXPECT_EQ(renderer->DrawCallCount(), before + 1);
    EXPECT_EQ(renderer->LastDrawSize(), c.segments) << c.w << "x" << c.h << " at scale " << c.scale;
  }
}

TEST_F(Batching, VertexColourBytesArePremultipliedRGBA) {
  struct Case {
    float colour[3];
    float alpha;
    unsigned char bytes[4];
  };
  const Case cases[] = {
      {{255, 128, 0}, 0.5f, {127, 64, 0, 127}},
      {{255, 255, 255}, 1, {255, 255, 255, 255}},
      // Out of range: each channel saturates in its own byte.
      {{300, 10, 20}, 1, {255, 10, 20, 255}},
      {{100, 100, 100}, 2, {200, 200, 200, 255}},
      {{100, 100, 100}, -1, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    renderer->SetColor(c.colour[0], c.colour[1], c.colour[2]);
    renderer->SetAlpha(c.alpha);
    renderer->FillRect(0, 0, 1, 1);
    unsigned char bytes[4];
    std::memcpy(bytes, &renderer->vertices[renderer->batchCount * 4 - 1].color, 4);
    EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + 4),
              std::vector<unsigned char>(c.bytes, c.bytes + 4))
        << c.colour[0] << " " << c.alpha;
  }
}

}  // namespace

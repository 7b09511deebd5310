// Renderer benchmarks: the time of a frame of 800 mixed primitives at 640×480, drawn through
// the drawing functions as the draw-command replay does, with the draw calls it takes; and the
// cost per frame of keeping the previous frame across the swap.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include <GLFW/glfw3.h>

#include "graphics/graphics_context.h"
#include "graphics/image.h"
#include "graphics/renderer.h"

namespace {

constexpr int kPrimitiveKinds = 4;
constexpr int kPrimitives = 800;

// A hidden window of the given size with its context current; null without a display.
GLFWwindow* OpenWindow(int w, int h) {
  // The X server drops connections while it resets after its last client left: retry.
  bool initialised = glfwInit();
  for (int attempt = 0; !initialised && attempt < 20; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    initialised = glfwInit();
  }
  if (!initialised) return nullptr;
  glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
  GLFWwindow* window = glfwCreateWindow(w, h, "graphics bench", nullptr, nullptr);
  if (window) {
    glfwMakeContextCurrent(window);
    glfwSwapInterval(0);
  }
  return window;
}

void DrawPrimitive(int kind, int i, c_Image* sprite) {
  const auto x = static_cast<float>(i % 600);
  const auto y = static_cast<float>((i * 7) % 440);
  // The replay sets alpha, colour and blend before every command.
  SetRenderAlpha(0.75f);
  SetRenderColor(255, static_cast<float>(i % 256), 128);
  SetRenderBlend(0);
  switch (kind) {
    case 0:
      RenderImageTransformed(sprite, x, y, static_cast<float>(i % 360), 1.5f, 1.5f, i % 4);
      break;
    case 1:
      RenderLine(x, y, x + 30, y + 12);
      break;
    case 2:
      RenderRect(x, y, 24, 16);
      break;
    default:
      RenderEllipse(x, y, 5, 4);
      break;
  }
}

// runLength 1: every primitive differs in kind from the one before; larger runs keep kinds
// together as the game's screens mostly do.
void DrawMixedFrame(gxtkGraphics& renderer, c_Image* sprite, int runLength) {
  renderer.BeginFrame();
  ResetRenderState();
  for (int i = 0; i < kPrimitives; ++i) DrawPrimitive(i / runLength % kPrimitiveKinds, i, sprite);
  g_renderDevice = nullptr;
  renderer.EndFrame();
}

void MixedFrame(benchmark::State& state, bool withWindow) {
  GLFWwindow* window = withWindow ? OpenWindow(640, 480) : nullptr;
  if (withWindow && !window) {
    state.SkipWithError("no display");
    return;
  }
  InitGraphicsGlobals();
  Ref<gxtkGraphics> renderer = New<gxtkGraphics>();
  renderer->SetHeadlessSize(640, 480);
  g_graphicsDevice = renderer.Get();
  Ref<c_Image> sprite = New<c_Image>();
  sprite->InitFromSurface(renderer->CreateBlankSurface(64, 16), 4, CenterHandleFlag);
  const int runLength = static_cast<int>(state.range(0));
  const std::int64_t drawsBefore = renderer->DrawCallCount();
  for (auto _ : state) DrawMixedFrame(*renderer, sprite.Get(), runLength);
  state.counters["draw_calls"] =
      benchmark::Counter(static_cast<double>(renderer->DrawCallCount() - drawsBefore),
                         benchmark::Counter::kAvgIterations);
  sprite = nullptr;
  renderer = nullptr;
  g_graphicsDevice = nullptr;
  InitGraphicsGlobals();
  CollectGarbage();
  if (window) glfwDestroyWindow(window);
}

void BM_MixedFrameHeadless(benchmark::State& state) {
  MixedFrame(state, false);
}

void BM_MixedFrameWindow(benchmark::State& state) {
  MixedFrame(state, true);
}

// The copy into the texture at the end of a frame and the opaque draw-back at the start of
// the next, finished by the driver.
void BM_KeepPreviousFrame(benchmark::State& state) {
  GLFWwindow* window =
      OpenWindow(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  if (!window) {
    state.SkipWithError("no display");
    return;
  }
  Ref<gxtkGraphics> renderer = New<gxtkGraphics>();
  renderer->BeginFrame();
  for (auto _ : state) {
    renderer->KeepFinishedFrame();
    renderer->DrawPreviousFrame();
    glFinish();
  }
  renderer = nullptr;
  CollectGarbage();
  glfwDestroyWindow(window);
}

// The same frames without the previous frame: BeginFrame's set-up and the swap alone.
void BM_EmptyFrame(benchmark::State& state) {
  GLFWwindow* window =
      OpenWindow(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  if (!window) {
    state.SkipWithError("no display");
    return;
  }
  Ref<gxtkGraphics> renderer = New<gxtkGraphics>();
  for (auto _ : state) {
    renderer->BeginFrame();
    renderer->EndFrame();
    glFinish();
  }
  renderer = nullptr;
  CollectGarbage();
  glfwDestroyWindow(window);
}

}  // namespace

BENCHMARK(BM_MixedFrameHeadless)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixedFrameWindow)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_KeepPreviousFrame)
    ->Args({640, 480})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK(BM_EmptyFrame)
    ->Args({640, 480})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

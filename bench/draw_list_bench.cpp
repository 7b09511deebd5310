// Draw-command list benchmarks: appending a typical play screen of 800 commands (with the
// allocations it makes, which must be none) and replaying it in the render handler, on the
// headless renderer (the CPU side alone) and on a hidden window under the display.
#include <benchmark/benchmark.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "allocation_counter.h"
#include "framework/app_globals.h"
#include "game/my_app.h"
#include "graphics/graphics_context.h"
#include "host/qor_game.h"

namespace {

// The images a play screen draws, as blank surfaces of their "-hd" sizes.
void FillImageBank(c_MyApp& app, gxtkGraphics& renderer) {
  const struct {
    int id, frameWidth, frameHeight, frames;
  } kImages[] = {{1, 32, 32, 64},   {2, 32, 32, 1},   {3, 64, 64, 1},   {4, 32, 32, 1},
                 {90, 32, 32, 128}, {97, 64, 64, 16}, {99, 512, 512, 1}};
  for (const auto& image : kImages) {
    const int columns = image.frames < 16 ? image.frames : 16;
    const int rows = (image.frames + columns - 1) / columns;
    Ref<gxtkSurface> surface =
        renderer.CreateBlankSurface(image.frameWidth * columns, image.frameHeight * rows);
    app.images[image.id] = New<c_Image>();
    app.images[image.id]->InitFromSurface(surface, 1, 0);
    app.images[image.id] = app.images[image.id]->GrabFrames(
        0, 0, image.frameWidth, image.frameHeight, image.frames, CenterHandleFlag);
  }
  app.imageScale = 0.5f;
  app.fontImageId = 90;
  app.imageInfo[90 * 3] = 7;
  app.imageInfo[90 * 3 + 1] = 10;
}

// 800 commands in the proportions of a busy play update: the backdrop tiles, the flash and
// side panels, 54 trail lines, the ship, 40 shots, 25 hovering and 12 falling enemies with
// their explosions, 297 sparks, the score and energy texts, the heart and the pause icon.
void AppendPlayScreen(c_MyApp& app, int frame) {
  app.BeginDrawList(0, 0, 8, 0);
  app.SetDrawColor(255, 255, 255, 2.0f / 7);
  app.SetDrawScale(2);
  for (int k = -1; k <= 1; ++k) {
    app.DrawCommandImage(99, 0, static_cast<float>(512 * k + frame % 512), 0);
    app.DrawCommandImage(99, 512, static_cast<float>(512 * k + frame % 512), 0);
  }
  app.SetDrawColor(180, 0, 0, 0.1f);
  app.DrawCommandRect(-1, -1, 642, 482);
  app.SetDrawColor(0, 80, 0, 0.5f);
  app.DrawCommandRect(0, 0, 160, 480);
  app.DrawCommandRect(480, 0, 160, 480);
  for (int i = 0; i < 27; ++i) {
    app.SetDrawColor(180, 200, 220, 1);
    const auto y = static_cast<float>(360 + i);
    app.DrawCommandLine(320, y, 320, y + 1);
    app.DrawCommandLine(320, y + 1, 320, y + 2);
  }
  app.SetDrawColor(100, 255, 100, 0.5f);
  app.DrawCommandOval(320, 360, 4, 4);
  app.SetDrawScale(1);
  app.SetDrawColor(255, 255, 255, 1);
  app.DrawCommandImage(4, 320, 360, 0);
  for (int i = 0; i < 40; ++i) {
    const auto x = static_cast<float>(170 + (i * 37) % 300);
    const auto y = static_cast<float>((i * 53 + frame) % 480);
    app.SetDrawColor(200, 180, 240, 1);
    app.DrawCommandRect(x - 2, y - 4, 4, 8);
    app.DrawCommandLine(x, y + 6, x, y);
  }
  for (int i = 0; i < 25; ++i) {
    app.SetDrawScale(1);
    app.DrawCommandImage(1, static_cast<float>(180 + i * 12), static_cast<float>(40 + i * 7),
                         static_cast<float>(i % 16));
  }
  for (int i = 0; i < 12; ++i) {
    const auto x = static_cast<float>(190 + i * 20);
    const auto y = static_cast<float>(250 + i * 9);
    app.SetDrawRotation(static_cast<float>(i * 5));
    app.SetDrawScale(0.5f);
    app.DrawCommandImage(1, x, y, 3);
    app.SetDrawRotation(static_cast<float>(i % 8 * 45));
    app.SetDrawScale(1.2f);
    app.DrawCommandImage(2, x, y, 0);
    app.SetDrawRotation(0);
  }
  for (int i = 0; i < 297; ++i) {
    const auto x = static_cast<float>(160 + (i * 29) % 320);
    const auto y = static_cast<float>((i * 17 + frame) % 480);
    app.SetDrawColor(250, 200, 150, 0.8f);
    app.DrawCommandLine(x - 3, y - 2, x, y);
    app.SetDrawAlpha(0.4f);
    app.DrawCommandOval(x - 1, y - 1, 3, 3);
  }
  app.SetDrawColor(100, 255, 100, 0.5f);
  app.SetDrawScale(2);
  app.DrawBitmapText(320, 32, app.PadNumber(12340 + frame, 8, "0"), 1, 1);
  app.SetDrawColor(255, 255, 255, 0.5f);
  app.DrawCommandImage(3, 608, 32, 0);
  app.SetDrawScale(1.5f);
  app.DrawBitmapText(608, 32, String(" ") + 87, 1, 1);
  app.ResetDrawState();
  app.DrawCommandImage(97, 16, 16, 0);
}

// The pieces a render needs: a host for the clock, the game and its image bank.
struct Scene {
  explicit Scene(bool withWindow) {
    if (withWindow && glfwInit()) {
      glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
      window = glfwCreateWindow(640, 480, "draw list bench", nullptr, nullptr);
      if (window) {
        glfwMakeContextCurrent(window);
        glfwSwapInterval(0);
      }
    }
    InitAppGlobals();
    app = new c_MyApp();
    renderer = New<gxtkGraphics>();
    renderer->SetHeadlessSize(640, 480);
    g_graphicsDevice = renderer.Get();
    FillImageBank(*app, *renderer);
    app->deviceWidth = 640;
    app->deviceHeight = 480;
  }
  ~Scene() {
    if (window) {
      glfwDestroyWindow(window);
      glfwTerminate();
    }
  }

  void RenderFrame() {
    renderer->BeginFrame();
    ResetRenderState();
    app->HandleRender();
    g_renderDevice = nullptr;
    renderer->EndFrame();
  }

  QorGame host;
  GLFWwindow* window = nullptr;
  c_MyApp* app = nullptr;
  Ref<gxtkGraphics> renderer;
};

void BM_AppendPlayScreen(benchmark::State& state) {
  Scene scene(false);
  int frame = 0;
  // Counted outside the timed loop, where the benchmark library allocates nothing of its own.
  constexpr int kCountedLists = 100;
  const long before = AllocationCount();
  for (int i = 0; i < kCountedLists; ++i) AppendPlayScreen(*scene.app, ++frame);
  const long allocations = AllocationCount() - before;
  for (auto _ : state) {
    AppendPlayScreen(*scene.app, ++frame);
    benchmark::DoNotOptimize(scene.app->drawList);
  }
  state.counters["commands"] = scene.app->drawListLength / 15;
  state.counters["allocations_per_list"] = static_cast<double>(allocations) / kCountedLists;
}
BENCHMARK(BM_AppendPlayScreen);

void ReplayPlayScreen(benchmark::State& state, bool withWindow) {
  Scene scene(withWindow);
  if (withWindow && !scene.window) {
    state.SkipWithError("no display");
    return;
  }
  AppendPlayScreen(*scene.app, 0);
  const std::int64_t drawCallsBefore = scene.renderer->DrawCallCount();
  for (auto _ : state) scene.RenderFrame();
  state.counters["commands"] = scene.app->drawListLength / 15;
  state.counters["draw_calls_per_frame"] =
      static_cast<double>(scene.renderer->DrawCallCount() - drawCallsBefore) /
      static_cast<double>(state.iterations());
}

void BM_ReplayPlayScreenHeadless(benchmark::State& state) {
  ReplayPlayScreen(state, false);
}
BENCHMARK(BM_ReplayPlayScreenHeadless);

void BM_ReplayPlayScreenOnWindow(benchmark::State& state) {
  ReplayPlayScreen(state, true);
}
BENCHMARK(BM_ReplayPlayScreenOnWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

// What the graphics tests share: a temporary working folder with a data/ folder, PNG files
// written on the spot, a host object that decodes them, the drawing globals, and a renderer,
// either headless or on a hidden window with a real OpenGL context whose pixels are read back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/graphics_context.h"
#include "graphics/renderer.h"
#include "host/glfw_game.h"
#include "support/fake_platform.h"

struct GLFWwindow;

// A picture in the decoder's layout: rows top to bottom, `channels` bytes per pixel.
struct Picture {
  Picture(int w, int h, int channels, std::initializer_list<int> fill);
  void Set(int x, int y, std::initializer_list<int> pixel);
  // Paints the rectangle [x, x + w) × [y, y + h).
  void Paint(int x, int y, int w, int h, std::initializer_list<int> pixel);

  int width;
  int height;
  int channels;
  std::vector<unsigned char> bytes;
};

// 0xAARRGGBB pixels equal within `tolerance` per channel.
::testing::AssertionResult PixelNear(std::uint32_t actual, std::uint32_t expected,
                                     int tolerance = 1);

class GraphicsTest : public ::testing::Test {
 protected:
  explicit GraphicsTest(bool withWindow) : withWindow(withWindow) {}
  void SetUp() override;
  void TearDown() override;

  // Writes data/<name> and returns the host path that reaches it.
  std::string WritePng(const std::string& name, const Picture& picture);
  void WriteFile(const std::string& name, const std::string& contents);

  // BeginFrame and the drawing-state reset, as the delegate starts every frame.
  void StartFrame();
  // The finished frame: the render device cleared, then EndFrame.
  void FinishFrame();
  // Reads the back buffer through the renderer (which flushes first).
  std::vector<std::uint32_t> Block(int x, int y, int w, int h);
  std::uint32_t Pixel(int x, int y) { return Block(x, y, 1, 1)[0]; }

  const bool withWindow;
  int windowWidth = 128;
  int windowHeight = 128;
  GLFWwindow* window = nullptr;
  Ref<QorGlfwGame> host;
  Ref<gxtkGraphics> renderer;

 private:
  IdlePlatform platform;
  std::filesystem::path previousFolder;
  std::filesystem::path folder;
};

class HeadlessTest : public GraphicsTest {
 protected:
  HeadlessTest() : GraphicsTest(false) {}
};

class WindowTest : public GraphicsTest {
 protected:
  WindowTest() : GraphicsTest(true) {}
};

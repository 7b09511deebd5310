// The shared graphics test fixture.
#include "graphics_test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include <GLFW/glfw3.h>
#include <stb_image_write.h>

Picture::Picture(int w, int h, int pixelChannels, std::initializer_list<int> fill)
    : width(w), height(h), channels(pixelChannels) {
  bytes.resize(static_cast<std::size_t>(w) * h * pixelChannels);
  Paint(0, 0, w, h, fill);
}

void Picture::Set(int x, int y, std::initializer_list<int> pixel) {
  unsigned char* at = &bytes[(static_cast<std::size_t>(y) * width + x) * channels];
  for (int value : pixel) *at++ = static_cast<unsigned char>(value);
}

void Picture::Paint(int x, int y, int w, int h, std::initializer_list<int> pixel) {
  for (int row = y; row < y + h; ++row) {
    for (int column = x; column < x + w; ++column) Set(column, row, pixel);
  }
}

::testing::AssertionResult PixelNear(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>(actual >> shift & 0xFF);
    const int e = static_cast<int>(expected >> shift & 0xFF);
    if (std::abs(a - e) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof(text), "pixel 0x%08X, expected 0x%08X", actual, expected);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

void GraphicsTest::SetUp() {
  previousFolder = std::filesystem::current_path();
  std::string pattern = (std::filesystem::temp_directory_path() / "graphics-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  folder = pattern;
  std::filesystem::create_directory(folder / "data");
  std::filesystem::current_path(folder);

  host = New<QorGlfwGame>(platform);
  g_hostGame = host.Get();
  InitGraphicsGlobals();
  if (withWindow) {
    glfwSetErrorCallback([](int code, const char* description) {
      std::fprintf(stderr, "GLFW error 0x%X: %s\n", code, description);
    });
    // The X server resets whenever its last client leaves, and closes connections that
    // arrive meanwhile; with test processes coming and going, a first attempt can meet that.
    bool initialised = glfwInit();
    for (int attempt = 0; !initialised && attempt < 20; ++attempt) {
      usleep(50000);
      initialised = glfwInit();
    }
    ASSERT_TRUE(initialised) << "no display";
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = glfwCreateWindow(windowWidth, windowHeight, "graphics test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
  }
  renderer = New<gxtkGraphics>();
  ASSERT_EQ(renderer->IsHeadless(), !withWindow);
  g_graphicsDevice = renderer.Get();
}

void GraphicsTest::TearDown() {
  g_renderDevice = nullptr;
  g_graphicsDevice = nullptr;
  renderer = nullptr;
  InitGraphicsGlobals();
  CollectGarbage();
  // GLFW stays initialised until the process ends (each test case is a process of its own):
  // terminating it unloads the OpenGL driver, which leaves blocks the leak checker reports.
  if (window) glfwDestroyWindow(window);
  g_hostGame = nullptr;
  if (!folder.empty()) {
    std::filesystem::current_path(previousFolder);
    std::filesystem::remove_all(folder);
  }
}

std::string GraphicsTest::WritePng(const std::string& name, const Picture& picture) {
  const std::string path = "data/" + name;
  EXPECT_TRUE(stbi_write_png(path.c_str(), picture.width, picture.height, picture.channels,
                             picture.bytes.data(), picture.width * picture.channels));
  return "./" + path;
}

void GraphicsTest::WriteFile(const std::string& name, const std::string& contents) {
  std::ofstream("data/" + name, std::ios::binary) << contents;
}

void GraphicsTest::StartFrame() {
  renderer->BeginFrame();
  ResetRenderState();
}

void GraphicsTest::FinishFrame() {
  g_renderDevice = nullptr;
  renderer->EndFrame();
}

std::vector<std::uint32_t> GraphicsTest::Block(int x, int y, int w, int h) {
  std::vector<int> pixels(static_cast<std::size_t>(w) * h);
  renderer->ReadScreenPixels(pixels, x, y, w, h, 0, w);
  return {pixels.begin(), pixels.end()};
}

// The previous frame survives the buffer swap for frames that paint over it: such a frame shows
// the last one even when the swap left the back buffer wiped; a frame that covers the window is
// not copied; a new window size starts from black.
#include <GLFW/glfw3.h>

#include "graphics_test_support.h"

namespace {

class PreviousFrame : public WindowTest {
 protected:
  // Frame content the next frame must show again.
  std::vector<std::uint32_t> DrawPattern(bool overPrevious = true) {
    StartFrame();
    if (overPrevious) ShowPreviousFrame();
    ClearRender(20, 40, 60);
    SetRenderColor(255, 0, 0);
    RenderRect(10, 10, 30, 20);
    SetRenderColor(0, 255, 0);
    SetRenderAlpha(0.5f);
    RenderEllipse(70, 60, 30, 15);
    const std::vector<std::uint32_t> picture = Block(0, 0, GraphicsWidth(), GraphicsHeight());
    FinishFrame();
    return picture;
  }

  // What a driver may leave in the back buffer after a swap.
  static void WipeBackBuffer() {
    glDisable(GL_SCISSOR_TEST);
    glClearColor(1, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
};

TEST_F(PreviousFrame, IsOnScreenWhenAFrameDrawsNothingOverIt) {
  const std::vector<std::uint32_t> picture = DrawPattern();
  WipeBackBuffer();
  StartFrame();
  ShowPreviousFrame();
  EXPECT_EQ(Block(0, 0, 128, 128), picture);
  FinishFrame();
  // And again from a frame that only showed the previous one.
  WipeBackBuffer();
  StartFrame();
  ShowPreviousFrame();
  EXPECT_EQ(Block(0, 0, 128, 128), picture);
}

TEST_F(PreviousFrame, IsNotKeptFromAFrameThatCoversTheWindow) {
  DrawPattern(false);
  const std::int64_t drawsBefore = renderer->DrawCallCount();
  WipeBackBuffer();
  StartFrame();
  ShowPreviousFrame();
  EXPECT_EQ(renderer->DrawCallCount(), drawsBefore) << "no copy to draw back";
  EXPECT_EQ(Block(0, 0, 4, 4), std::vector<std::uint32_t>(16, 0xFFFF00FF));
}

TEST_F(PreviousFrame, NewWindowSizeStartsFromBlack) {
  DrawPattern();
  glfwSetWindowSize(window, 96, 80);
  int w = 0, h = 0;
  for (int i = 0; i < 200 && (w != 96 || h != 80); ++i) {
    glfwWaitEventsTimeout(0.01);
    glfwGetFramebufferSize(window, &w, &h);
  }
  ASSERT_EQ(w, 96);
  StartFrame();
  EXPECT_EQ(GraphicsWidth(), 96);
  EXPECT_EQ(GraphicsHeight(), 80);
  EXPECT_EQ(Block(0, 0, 96, 80), std::vector<std::uint32_t>(96 * 80, 0xFF000000));
  FinishFrame();

  // At the new size frames are kept again.
  const std::vector<std::uint32_t> picture = DrawPattern();
  WipeBackBuffer();
  StartFrame();
  ShowPreviousFrame();
  EXPECT_EQ(Block(0, 0, 96, 80), picture);
}

}  // namespace

// A frame of the renderer: the 2D set-up at its start, the previous frame drawn back for frames
// that paint over it, clearing, pixel read-back, and the end of the frame with its copy of the
// finished picture and the buffer swap.
#include <cstring>
#include <vector>

#include <GLFW/glfw3.h>

#include "graphics/gl_check.h"
#include "graphics/pixel_block.h"
#include "graphics/renderer.h"

namespace {

constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFF;

}  // namespace

int gxtkGraphics::BeginFrame() {
  RefreshSize();
  if (window) SetUpFrameState();
  batchCount = 0;
  blendMode = 0;
  showsPreviousFrame = false;
  StartFromBlackAtNewSize();
  // The delegate reads 1 as the request to render normally.
  return 1;
}

void gxtkGraphics::SetUpFrameState() {
  glViewport(0, 0, width, height);
  // One unit per pixel, origin top-left, y down.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  if (width > 0 && height > 0) glOrtho(0, width, height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].u);
  glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), &vertices[0].color);
  // Colours are premultiplied by alpha.
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_TEXTURE_2D);
  CheckGlError("the frame set-up (glViewport, glOrtho, client arrays, glBlendFunc)");
}

int gxtkGraphics::EndFrame() {
  Flush();
  // The batch is empty; letting go of its surface keeps no texture alive across frames.
  batchSurface = nullptr;
  if (!window) return 0;
  previousFrameKept = false;
  if (showsPreviousFrame) KeepFinishedFrame();
  glfwSwapBuffers(window);
  return 0;
}

void gxtkGraphics::KeepFinishedFrame() {
  if (!window || width <= 0 || height <= 0) return;
  if (!previousFrame || previousFrame->width != width || previousFrame->height != height) {
    if (previousFrame) previousFrame->Discard();
    previousFrame = CreateBlankSurface(width, height);
    if (!previousFrame) return;
  }
  glBindTexture(GL_TEXTURE_2D, previousFrame->texture);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, width, height);
  CheckGlError("glCopyTexSubImage2D");
  previousFrameKept = true;
}

int gxtkGraphics::ShowPreviousFrame() {
  showsPreviousFrame = true;
  // Without a kept copy (the frame before covered the window) the back buffer is left as the
  // swap left it, which is the previous picture wherever the driver preserves it.
  if (previousFrameKept) DrawPreviousFrame();
  return 0;
}

void gxtkGraphics::StartFromBlackAtNewSize() {
  if (!window || (width == lastFrameWidth && height == lastFrameHeight)) return;
  lastFrameWidth = width;
  lastFrameHeight = height;
  previousFrameKept = false;
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  CheckGlError("glClear (new frame size)");
}

void gxtkGraphics::DrawPreviousFrame() {
  if (!window) return;
  if (!previousFrame || previousFrame->width != width || previousFrame->height != height) return;
  Flush();
  const bool scissored = glIsEnabled(GL_SCISSOR_TEST);
  glDisable(GL_SCISSOR_TEST);
  const auto w = static_cast<float>(width);
  const auto h = static_cast<float>(height);
  const float u = w * previousFrame->texScaleU;
  const float v = h * previousFrame->texScaleV;
  // The copy holds the framebuffer's bottom row first, so the top of the screen is at v.
  vertices[0] = {0, 0, 0, v, kOpaqueWhite};
  vertices[1] = {w, 0, u, v, kOpaqueWhite};
  vertices[2] = {w, h, u, 0, kOpaqueWhite};
  vertices[3] = {0, h, 0, 0, kOpaqueWhite};
  // Opaque: the copy replaces whatever the swap left behind.
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, previousFrame->texture);
  glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_SHORT, quadIndices);
  CheckGlError("glDrawElements (previous frame)");
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  if (scissored) glEnable(GL_SCISSOR_TEST);
  ++drawCalls;
  lastDrawSize = 6;
}

int gxtkGraphics::Clear(float r, float g, float b) {
  // Pending primitives are dropped, not drawn.
  batchCount = 0;
  if (!window) return 0;
  glClearColor(r / 255, g / 255, b / 255, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  CheckGlError("glClear");
  return 0;
}

int gxtkGraphics::ReadScreenPixels(std::span<int> pixels, int x, int y, int w, int h, int offset,
                                   int pitch) {
  Flush();
  if (!window || !PixelBlockFits(pixels.size(), w, h, offset, pitch)) return 0;
  std::vector<std::uint32_t> rows(static_cast<std::size_t>(w) * h);
  glReadPixels(x, height - y - h, w, h, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
  CheckGlError("glReadPixels");
  // OpenGL returns the rows bottom-up; each element reads 0xAARRGGBB, premultiplied.
  for (int i = 0; i < h; ++i) {
    std::memcpy(&pixels[offset + static_cast<std::size_t>(i) * pitch],
                &rows[static_cast<std::size_t>(h - 1 - i) * w], sizeof(std::uint32_t) * w);
  }
  return 0;
}

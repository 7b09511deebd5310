// The drawing state and the drawing functions the application calls. Setters store the value
// and forward it to the renderer of the current frame; the matrix waits in the context until
// something is drawn.
#include "graphics/graphics_context.h"

#include <cmath>

gxtkGraphics* g_graphicsDevice = nullptr;
gxtkGraphics* g_renderDevice = nullptr;
c_GraphicsContext* g_graphicsContext = nullptr;

namespace {

constexpr int kMatrixFloats = 6;
constexpr int kMatrixStackFloats = sizeof(c_GraphicsContext::matrixStack) / sizeof(float);
constexpr float kRadiansPerDegree = 0.017453292f;

// Keeps the drawing state for the rest of the process.
Ref<c_GraphicsContext> g_contextHolder;

// Truncation toward zero that saturates instead of overflowing.
int TruncateToInt(float value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483520.0f) return 2147483647;
  if (value <= -2147483648.0f) return -2147483647 - 1;
  return static_cast<int>(value);
}

}  // namespace

void InitGraphicsGlobals() {
  g_contextHolder = New<c_GraphicsContext>();
  g_graphicsContext = g_contextHolder.Get();
  g_graphicsDevice = nullptr;
  g_renderDevice = nullptr;
}

int c_GraphicsContext::ValidateMatrix() {
  if (matrixDirty && g_renderDevice) {
    g_renderDevice->SetTransform(a, b, c, d, tx, ty);
    matrixDirty = false;
  }
  return 0;
}

int SetRenderColor(float r, float g, float b) {
  c_GraphicsContext& context = *g_graphicsContext;
  context.red = r;
  context.green = g;
  context.blue = b;
  if (g_renderDevice) g_renderDevice->SetColor(r, g, b);
  return 0;
}

int SetRenderAlpha(float alpha) {
  g_graphicsContext->alpha = alpha;
  if (g_renderDevice) g_renderDevice->SetAlpha(alpha);
  return 0;
}

int SetRenderBlend(int mode) {
  g_graphicsContext->blend = mode;
  if (g_renderDevice) g_renderDevice->SetBlendMode(mode);
  return 0;
}

int SetRenderScissor(float x, float y, float w, float h) {
  c_GraphicsContext& context = *g_graphicsContext;
  context.scissorX = x;
  context.scissorY = y;
  context.scissorW = w;
  context.scissorH = h;
  if (g_renderDevice) {
    g_renderDevice->SetScissorRect(TruncateToInt(x), TruncateToInt(y), TruncateToInt(w),
                                   TruncateToInt(h));
  }
  return 0;
}

int SetRenderMatrix(float a, float b, float c, float d, float tx, float ty) {
  c_GraphicsContext& context = *g_graphicsContext;
  context.a = a;
  context.b = b;
  context.c = c;
  context.d = d;
  context.tx = tx;
  context.ty = ty;
  context.transformed = !(a == 1 && b == 0 && c == 0 && d == 1 && tx == 0 && ty == 0);
  context.matrixDirty = true;
  return 0;
}

int PushRenderMatrix() {
  c_GraphicsContext& context = *g_graphicsContext;
  // A push beyond the 32 levels is dropped; the application stays within them.
  if (context.matrixSp + kMatrixFloats > kMatrixStackFloats) return 0;
  float* saved = &context.matrixStack[context.matrixSp];
  saved[0] = context.a;
  saved[1] = context.b;
  saved[2] = context.c;
  saved[3] = context.d;
  saved[4] = context.tx;
  saved[5] = context.ty;
  context.matrixSp += kMatrixFloats;
  return 0;
}

int PopRenderMatrix() {
  c_GraphicsContext& context = *g_graphicsContext;
  // Popping an empty stack leaves the matrix as it is.
  if (context.matrixSp < kMatrixFloats) return 0;
  context.matrixSp -= kMatrixFloats;
  const float* saved = &context.matrixStack[context.matrixSp];
  return SetRenderMatrix(saved[0], saved[1], saved[2], saved[3], saved[4], saved[5]);
}

int MultiplyRenderMatrix(float na, float nb, float nc, float nd, float ntx, float nty) {
  // The given matrix applies first, the current one after it.
  const c_GraphicsContext& m = *g_graphicsContext;
  return SetRenderMatrix(m.a * na + m.c * nb, m.b * na + m.d * nb, m.a * nc + m.c * nd,
                         m.b * nc + m.d * nd, m.a * ntx + m.c * nty + m.tx,
                         m.b * ntx + m.d * nty + m.ty);
}

int TranslateRender(float x, float y) {
  return MultiplyRenderMatrix(1, 0, 0, 1, x, y);
}

int RotateRender(float degrees) {
  // With y pointing down, a positive angle turns counter-clockwise on screen.
  const float r = degrees * kRadiansPerDegree;
  return MultiplyRenderMatrix(std::cos(r), -std::sin(r), std::sin(r), std::cos(r), 0, 0);
}

int ScaleRender(float sx, float sy) {
  return MultiplyRenderMatrix(sx, 0, 0, sy, 0, 0);
}

int GraphicsWidth() {
  return g_graphicsDevice ? g_graphicsDevice->BackbufferWidth() : 0;
}

int GraphicsHeight() {
  return g_graphicsDevice ? g_graphicsDevice->BackbufferHeight() : 0;
}

int ClearRender(float r, float g, float b) {
  if (g_renderDevice) g_renderDevice->Clear(r, g, b);
  return 0;
}

int RenderRect(float x, float y, float w, float h) {
  g_graphicsContext->ValidateMatrix();
  if (g_renderDevice) g_renderDevice->FillRect(x, y, w, h);
  return 0;
}

int RenderLine(float x1, float y1, float x2, float y2) {
  g_graphicsContext->ValidateMatrix();
  if (g_renderDevice) g_renderDevice->DrawLine(x1, y1, x2, y2);
  return 0;
}

int RenderEllipse(float x, float y, float rx, float ry) {
  g_graphicsContext->ValidateMatrix();
  if (g_renderDevice) g_renderDevice->FillOval(x - rx, y - ry, 2 * rx, 2 * ry);
  return 0;
}

int ShowPreviousFrame() {
  if (!g_renderDevice) return 0;
  return g_renderDevice->ShowPreviousFrame();
}

int ResetRenderState() {
  g_renderDevice = g_graphicsDevice;
  g_graphicsContext->matrixSp = 0;
  // Marks the matrix dirty, so the first drawing of the frame sends the identity.
  SetRenderMatrix(1, 0, 0, 1, 0, 0);
  SetRenderColor(255, 255, 255);
  SetRenderAlpha(1);
  SetRenderBlend(0);
  // The whole window, which switches scissoring off.
  SetRenderScissor(0, 0, static_cast<float>(GraphicsWidth()), static_cast<float>(GraphicsHeight()));
  return 0;
}

// The drawing interface the application calls: free functions over one shared drawing state
// (colour, alpha, blend, scissor and a matrix with a 32-level stack), each forwarding to the
// renderer. The matrix is sent lazily, just before something is drawn.
#pragma once

#include "graphics/image.h"
#include "graphics/renderer.h"
#include "host/object.h"

class c_GraphicsContext : public Object {
 public:
  virtual int ValidateMatrix();

  Ref<c_Image> defaultFont;
  Ref<c_Image> font;
  int firstChar = 0;
  int matrixSp = 0;
  float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  bool transformed = false;
  bool matrixDirty = false;
  float red = 0, green = 0, blue = 0;
  float alpha = 0;
  int blend = 0;
  float scissorX = 0, scissorY = 0, scissorW = 0, scissorH = 0;
  float matrixStack[192] = {};
};

extern gxtkGraphics* g_graphicsDevice;  // the renderer, from the start event on
extern gxtkGraphics* g_renderDevice;    // the renderer while a frame is drawn, else null
extern c_GraphicsContext* g_graphicsContext;

// Creates g_graphicsContext (part of the application's global initialisation).
void InitGraphicsGlobals();

int SetRenderColor(float r, float g, float b);
int SetRenderAlpha(float alpha);
int SetRenderBlend(int mode);
int SetRenderScissor(float x, float y, float w, float h);
int SetRenderMatrix(float a, float b, float c, float d, float tx, float ty);
int PushRenderMatrix();
int PopRenderMatrix();
int MultiplyRenderMatrix(float a, float b, float c, float d, float tx, float ty);
int TranslateRender(float x, float y);
int RotateRender(float degrees);
int ScaleRender(float sx, float sy);
int GraphicsWidth();
int GraphicsHeight();
int ClearRender(float r, float g, float b);
int RenderRect(float x, float y, float w, float h);
int RenderLine(float x1, float y1, float x2, float y2);
int RenderEllipse(float x, float y, float rx, float ry);
// The start of every rendered frame: identity, white, alpha 1, blend 0, no scissor.
int ResetRenderState();
// For a frame that paints over the previous picture instead of covering the window: shows the
// previous frame again, whatever the buffer swap did to it, and keeps this one for the next.
// Call it before drawing anything.
int ShowPreviousFrame();

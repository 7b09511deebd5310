// gxtkGraphics: the one rendering device. Every 2D primitive goes through one CPU-side vertex
// batch in device pixels (origin top-left, y down), transformed on the CPU, coloured with
// premultiplied alpha, and sent to OpenGL 1.1 client-side arrays in as few draw calls as
// possible.
#pragma once

#include <cstdint>
#include <span>

#include "graphics/surface.h"
#include "host/object.h"
#include "host/text.h"

class gxtkGraphics : public Object {
 public:
  // Draws into the current OpenGL context. Without one (no window) the renderer is headless:
  // it keeps its state and batch but makes no OpenGL calls, its size is whatever
  // SetHeadlessSize last gave, and loaded surfaces keep their sizes without a texture.
  gxtkGraphics();

  virtual int BackbufferWidth();
  virtual int BackbufferHeight();
  virtual int BeginFrame();
  virtual int EndFrame();
  virtual int DiscardResources();
  virtual Ref<gxtkSurface> LoadSurfaceFile(const String& path);
  virtual Ref<gxtkSurface> LoadSurfacePixels(const Ref<gxtkSurface>& surface, const String& path);
  virtual Ref<gxtkSurface> CreateBlankSurface(int width, int height);
  virtual int Clear(float r, float g, float b);
  virtual int SetAlpha(float alpha);
  virtual int SetColor(float r, float g, float b);
  virtual int SetBlendMode(int mode);
  virtual int SetScissorRect(int x, int y, int w, int h);
  virtual int SetTransform(float a, float b, float c, float d, float tx, float ty);
  virtual int PlotPoint(float x, float y);
  virtual int FillRect(float x, float y, float w, float h);
  virtual int DrawLine(float x1, float y1, float x2, float y2);
  virtual int FillOval(float x, float y, float w, float h);
  virtual int FillPolygon(std::span<const float> verts);
  virtual int BlitSurface(gxtkSurface* surface, float x, float y);
  virtual int BlitSurfaceRegion(gxtkSurface* surface, float x, float y, int srcX, int srcY,
                                int srcW, int srcH);
  virtual int ReadScreenPixels(std::span<int> pixels, int x, int y, int w, int h, int offset,
                               int pitch);
  virtual int WriteSurfacePixels(gxtkSurface* surface, std::span<const int> pixels, int x, int y,
                                 int w, int h, int offset, int pitch);

  bool IsHeadless() const;
  void SetHeadlessSize(int w, int h);
  // OpenGL draw calls issued since construction (for tests and benchmarks).
  std::int64_t DrawCallCount() const;
};

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

struct GLFWwindow;

class gxtkGraphics : public Object {
 public:
  // The layout the client arrays point into: position, texture coordinate, colour bytes R, G,
  // B, A in memory order.
  struct Vertex {
    float x, y;
    float u, v;
    std::uint32_t color;
  };

  // Kinds of primitive a batch holds.
  enum BatchKind { kNoBatch = 0, kPoints = 1, kLines = 2, kQuads = 4, kPolygon = 5 };

  static constexpr int kMaxVertices = 1024;
  static constexpr int kMaxQuads = kMaxVertices / 4;

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

  bool IsHeadless() const { return window == nullptr; }
  void SetHeadlessSize(int w, int h);
  // OpenGL draw calls issued since construction (for tests and benchmarks).
  std::int64_t DrawCallCount() const { return drawCalls; }
  // Vertices (indices for quads) of the latest draw call.
  int LastDrawSize() const { return lastDrawSize; }

  // The previous frame survives the buffer swap for frames that paint over it (a translucent
  // backdrop). Such a frame calls ShowPreviousFrame before it draws anything: the last frame is
  // drawn back, opaque, if it was kept, and this frame is kept in turn by EndFrame (copied into
  // a texture before the swap). Frames that cover the window need no copy, which costs a
  // full-window read and draw on a software renderer. The first frame and the first at a new
  // size start from black.
  int ShowPreviousFrame();
  // The two halves, public so that their cost can be measured on their own.
  void KeepFinishedFrame();
  void DrawPreviousFrame();

  int width = 0;
  int height = 0;
  std::uint32_t packedColor = 0xFFFFFFFF;
  float red = 255, green = 255, blue = 255;
  float alpha = 1;
  float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  bool transformed = false;
  Vertex vertices[kMaxVertices] = {};
  std::uint16_t quadIndices[kMaxQuads * 6] = {};
  int batchKind = kNoBatch;
  int batchCount = 0;
  Ref<gxtkSurface> batchSurface;

 private:
  void Flush();
  // Flushes when the primitive cannot join the batch; returns where its vertices go.
  Vertex* StartPrimitive(int kind, gxtkSurface* surface, int capacity, int verticesEach);
  void PutVertex(Vertex& vertex, float x, float y) const;
  void PutTexturedVertex(Vertex& vertex, float x, float y, float u, float v) const;
  void RecomputePackedColor();
  void RefreshSize();
  void SetUpFrameState();
  void StartFromBlackAtNewSize();

  GLFWwindow* window = nullptr;
  int headlessWidth = 0;
  int headlessHeight = 0;
  int blendMode = 0;  // the blend function OpenGL has: 0 premultiplied alpha, 1 additive
  std::int64_t drawCalls = 0;
  int lastDrawSize = 0;
  Ref<gxtkSurface> previousFrame;
  bool previousFrameKept = false;   // the copy holds the frame just before this one
  bool showsPreviousFrame = false;  // this frame called ShowPreviousFrame
  int lastFrameWidth = -1;
  int lastFrameHeight = -1;
};

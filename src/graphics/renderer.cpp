// The renderer's state, its primitives and the batch: vertices are transformed and coloured on
// the CPU and collected until a primitive of another kind or texture, a full batch or a state
// change that OpenGL must see in order sends them out in one draw call.
#include "graphics/renderer.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include <GLFW/glfw3.h>

#include "graphics/gl_check.h"

static_assert(sizeof(gxtkGraphics::Vertex) == 20);
// The colour word is written as one 32-bit value; its bytes must land as R, G, B, A.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr int kPointCapacity = gxtkGraphics::kMaxVertices;
constexpr int kLineCapacity = gxtkGraphics::kMaxVertices / 2;
constexpr int kQuadCapacity = gxtkGraphics::kMaxQuads;

// Fewest and most segments of an oval; in between the count is a multiple of 4.
constexpr int kMinOvalSegments = 12;
constexpr int kMaxOvalSegments = gxtkGraphics::kMaxVertices;
constexpr float kTwoPi = 6.2831855f;

// One colour channel of the packed word: truncated toward zero and kept inside its byte, so
// that an out-of-range colour or alpha saturates instead of spilling into its neighbour.
std::uint32_t ChannelByte(float value) {
  if (!(value > 0)) return 0;
  if (value >= 255) return 255;
  return static_cast<std::uint32_t>(value);
}

void SelectBlendFunction(int mode) {
  if (mode == 1) {
    glBlendFunc(GL_ONE, GL_ONE);
  } else {
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  }
}

int OvalSegments(float length) {
  if (!(length >= kMinOvalSegments)) return kMinOvalSegments;
  if (length > kMaxOvalSegments) return kMaxOvalSegments;
  return static_cast<int>(length) & ~3;
}

}  // namespace

gxtkGraphics::gxtkGraphics() : window(glfwGetCurrentContext()) {
  RefreshSize();
  for (int q = 0; q < kMaxQuads; ++q) {
    const auto first = static_cast<std::uint16_t>(4 * q);
    std::uint16_t* entry = &quadIndices[6 * q];
    entry[0] = first;
    entry[1] = first + 1;
    entry[2] = first + 2;
    entry[3] = first;
    entry[4] = first + 2;
    entry[5] = first + 3;
  }
}

int gxtkGraphics::BackbufferWidth() {
  return width;
}

int gxtkGraphics::BackbufferHeight() {
  return height;
}

int gxtkGraphics::DiscardResources() {
  return 0;
}

void gxtkGraphics::SetHeadlessSize(int w, int h) {
  headlessWidth = w;
  headlessHeight = h;
  RefreshSize();
}

void gxtkGraphics::RefreshSize() {
  if (window) {
    glfwGetFramebufferSize(window, &width, &height);
  } else {
    width = headlessWidth;
    height = headlessHeight;
  }
}

int gxtkGraphics::SetAlpha(float newAlpha) {
  alpha = newAlpha;
  RecomputePackedColor();
  return 0;
}

int gxtkGraphics::SetColor(float r, float g, float b) {
  red = r;
  green = g;
  blue = b;
  RecomputePackedColor();
  return 0;
}

void gxtkGraphics::RecomputePackedColor() {
  packedColor = ChannelByte(alpha * 255) << 24 | ChannelByte(blue * alpha) << 16 |
                ChannelByte(green * alpha) << 8 | ChannelByte(red * alpha);
}

int gxtkGraphics::SetBlendMode(int mode) {
  const int function = mode == 1 ? 1 : 0;
  // Only a change of blend function needs the pending primitives drawn first; setting the same
  // function again keeps the batch growing.
  if (function == blendMode) return 0;
  Flush();
  blendMode = function;
  if (window) SelectBlendFunction(function);
  return 0;
}

int gxtkGraphics::SetScissorRect(int x, int y, int w, int h) {
  Flush();
  if (!window) return 0;
  if (x == 0 && y == 0 && w == BackbufferWidth() && h == BackbufferHeight()) {
    glDisable(GL_SCISSOR_TEST);
  } else {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, BackbufferHeight() - y - h, w, h);
  }
  return 0;
}

int gxtkGraphics::SetTransform(float na, float nb, float nc, float nd, float ntx, float nty) {
  a = na;
  b = nb;
  c = nc;
  d = nd;
  tx = ntx;
  ty = nty;
  transformed = !(a == 1 && b == 0 && c == 0 && d == 1 && tx == 0 && ty == 0);
  return 0;
}

void gxtkGraphics::PutVertex(Vertex& vertex, float x, float y) const {
  if (transformed) {
    vertex.x = a * x + c * y + tx;
    vertex.y = b * x + d * y + ty;
  } else {
    vertex.x = x;
    vertex.y = y;
  }
  vertex.color = packedColor;
}

void gxtkGraphics::PutTexturedVertex(Vertex& vertex, float x, float y, float u, float v) const {
  PutVertex(vertex, x, y);
  vertex.u = u;
  vertex.v = v;
}

gxtkGraphics::Vertex* gxtkGraphics::StartPrimitive(int kind, gxtkSurface* surface, int capacity,
                                                   int verticesEach) {
  if (batchKind != kind || batchCount >= capacity || batchSurface.Get() != surface) {
    Flush();
    batchKind = kind;
    batchSurface = surface;
  }
  Vertex* first = &vertices[batchCount * verticesEach];
  ++batchCount;
  return first;
}

int gxtkGraphics::PlotPoint(float x, float y) {
  PutVertex(*StartPrimitive(kPoints, nullptr, kPointCapacity, 1), x, y);
  return 0;
}

int gxtkGraphics::DrawLine(float x1, float y1, float x2, float y2) {
  Vertex* v = StartPrimitive(kLines, nullptr, kLineCapacity, 2);
  PutVertex(v[0], x1, y1);
  PutVertex(v[1], x2, y2);
  return 0;
}

int gxtkGraphics::FillRect(float x, float y, float w, float h) {
  Vertex* v = StartPrimitive(kQuads, nullptr, kQuadCapacity, 4);
  PutVertex(v[0], x, y);
  PutVertex(v[1], x + w, y);
  PutVertex(v[2], x + w, y + h);
  PutVertex(v[3], x, y + h);
  return 0;
}

int gxtkGraphics::BlitSurface(gxtkSurface* surface, float x, float y) {
  if (!surface) return 0;
  const float w = static_cast<float>(surface->PixelWidth());
  const float h = static_cast<float>(surface->PixelHeight());
  const float u = w * surface->texScaleU;
  const float v = h * surface->texScaleV;
  Vertex* corner = StartPrimitive(kQuads, surface, kQuadCapacity, 4);
  PutTexturedVertex(corner[0], x, y, 0, 0);
  PutTexturedVertex(corner[1], x + w, y, u, 0);
  PutTexturedVertex(corner[2], x + w, y + h, u, v);
  PutTexturedVertex(corner[3], x, y + h, 0, v);
  return 0;
}

int gxtkGraphics::BlitSurfaceRegion(gxtkSurface* surface, float x, float y, int srcX, int srcY,
                                    int srcW, int srcH) {
  if (!surface) return 0;
  const float w = static_cast<float>(srcW);
  const float h = static_cast<float>(srcH);
  const float uLeft = static_cast<float>(srcX) * surface->texScaleU;
  const float uRight = static_cast<float>(srcX + srcW) * surface->texScaleU;
  const float vTop = static_cast<float>(srcY) * surface->texScaleV;
  const float vBottom = static_cast<float>(srcY + srcH) * surface->texScaleV;
  Vertex* corner = StartPrimitive(kQuads, surface, kQuadCapacity, 4);
  PutTexturedVertex(corner[0], x, y, uLeft, vTop);
  PutTexturedVertex(corner[1], x + w, y, uRight, vTop);
  PutTexturedVertex(corner[2], x + w, y + h, uRight, vBottom);
  PutTexturedVertex(corner[3], x, y + h, uLeft, vBottom);
  return 0;
}

int gxtkGraphics::FillOval(float x, float y, float w, float h) {
  Flush();
  batchKind = kPolygon;
  batchSurface = nullptr;
  const float rx = w * 0.5f;
  const float ry = h * 0.5f;
  // The segment count follows the on-screen lengths of the two radius vectors.
  const float length = transformed ? std::sqrt((rx * a) * (rx * a) + (rx * b) * (rx * b)) +
                                         std::sqrt((ry * c) * (ry * c) + (ry * d) * (ry * d))
                                   : std::fabs(rx) + std::fabs(ry);
  const int n = OvalSegments(length);
  const float cx = x + rx;
  const float cy = y + ry;
  for (int i = 0; i < n; ++i) {
    const float theta = static_cast<float>(i) * kTwoPi / static_cast<float>(n);
    PutVertex(vertices[i], cx + std::cos(theta) * rx, cy - std::sin(theta) * ry);
  }
  batchCount = n;
  Flush();
  return 0;
}

int gxtkGraphics::FillPolygon(std::span<const float> verts) {
  const auto n = static_cast<int>(std::min<std::size_t>(verts.size() / 2, kMaxVertices + 1));
  if (n < 3 || n > kMaxVertices) return 0;
  Flush();
  batchKind = kPolygon;
  batchSurface = nullptr;
  for (int i = 0; i < n; ++i) PutVertex(vertices[i], verts[2 * i], verts[2 * i + 1]);
  batchCount = n;
  Flush();
  return 0;
}

void gxtkGraphics::Flush() {
  if (batchCount == 0) return;
  const int count = batchCount;
  batchCount = 0;
  ++drawCalls;
  lastDrawSize = batchKind == kQuads ? 6 * count : batchKind == kLines ? 2 * count : count;
  if (!window) return;
  if (batchSurface) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, batchSurface->texture);
  }
  switch (batchKind) {
    case kPoints:
      glDrawArrays(GL_POINTS, 0, count);
      CheckGlError("glDrawArrays(GL_POINTS)");
      break;
    case kLines:
      glDrawArrays(GL_LINES, 0, 2 * count);
      CheckGlError("glDrawArrays(GL_LINES)");
      break;
    case kQuads:
      glDrawElements(GL_TRIANGLES, 6 * count, GL_UNSIGNED_SHORT, quadIndices);
      CheckGlError("glDrawElements");
      break;
    case kPolygon:
      glDrawArrays(GL_TRIANGLE_FAN, 0, count);
      CheckGlError("glDrawArrays(GL_TRIANGLE_FAN)");
      break;
    default:
      break;
  }
  if (batchSurface) glDisable(GL_TEXTURE_2D);
}

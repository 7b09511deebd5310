// Images and frames: loading a picture as a strip of frames or grabbing a grid of frames from
// it, the flags that trim borders and centre the handle, drawing a frame at its handle, and the
// default font.
#include "graphics/image.h"

#include <algorithm>

#include "graphics/graphics_context.h"
#include "host/diagnostics.h"

namespace {

// One row of 96 cells, character codes 32 to 127, each with a border column left and right.
constexpr const char* kDefaultFontFile = "vorla_font.png";
constexpr int kDefaultFontCells = 96;
constexpr int kDefaultFontFirstChar = 32;

// Draws frame `frame` with its top-left corner at (x, y).
int DrawFrame(c_Image* image, float x, float y, int frame) {
  if (!g_renderDevice || frame < 0 || frame >= static_cast<int>(image->frames.size())) return 0;
  gxtkSurface* surface = image->surface.Get();
  if (image->flags & WholeSurfaceFlag) return g_renderDevice->BlitSurface(surface, x, y);
  const c_Frame& f = *image->frames[frame];
  return g_renderDevice->BlitSurfaceRegion(surface, x, y, f.x, f.y, image->width, image->height);
}

}  // namespace

int c_Image::SetHandle(float x, float y) {
  flags &= ~CenterHandleFlag;
  handleX = x;
  handleY = y;
  return 0;
}

int c_Image::ApplyFlags(int newFlags) {
  // Whether the image covers its whole surface is worked out here, never taken from a caller.
  flags = newFlags & ~WholeSurfaceFlag;
  if (flags & PadXFlag) {
    for (Ref<c_Frame>& frame : frames) frame->x += 1;
    width -= 2;
  }
  if (flags & PadYFlag) {
    for (Ref<c_Frame>& frame : frames) frame->y += 1;
    height -= 2;
  }
  // After the borders are trimmed, so that the handle is the centre of the picture part.
  if (flags & CenterHandleFlag) {
    SetHandle(static_cast<float>(width) * 0.5f, static_cast<float>(height) * 0.5f);
  }
  if (frames.size() == 1 && frames[0]->x == 0 && frames[0]->y == 0 && surface &&
      width == surface->PixelWidth() && height == surface->PixelHeight()) {
    flags |= WholeSurfaceFlag;
  }
  return 0;
}

c_Image* c_Image::InitFromSurface(const Ref<gxtkSurface>& newSurface, int frameCount,
                                  int newFlags) {
  // The application always asks for at least one frame; fewer would leave nothing to draw.
  const int count = std::max(frameCount, 1);
  surface = newSurface;
  width = surface->PixelWidth() / count;
  height = surface->PixelHeight();
  frames.clear();
  frames.reserve(count);
  for (int i = 0; i < count; ++i) frames.push_back(New<c_Frame>(i * width, 0));
  ApplyFlags(newFlags);
  return this;
}

c_Image* c_Image::InitFromGrab(int x, int y, int w, int h, int frameCount, int newFlags,
                               const Ref<c_Image>& src) {
  source = src;
  surface = src->surface;
  width = w;
  height = h;
  frames.clear();
  frames.reserve(std::max(frameCount, 0));
  const c_Frame& origin = *src->frames[0];
  int cx = x, cy = y;
  for (int i = 0; i < frameCount; ++i) {
    // A frame that does not fit after the previous one starts the next row at column 0.
    if (cx + w > src->width) {
      cx = 0;
      cy += h;
    }
    if (cx < 0 || cy < 0 || cx + w > src->width || cy + h > src->height) {
      RaiseAppError("Image frame outside surface");
    }
    frames.push_back(New<c_Frame>(cx + origin.x, cy + origin.y));
    cx += w;
  }
  ApplyFlags(newFlags);
  return this;
}

Ref<c_Image> c_Image::GrabFrames(int x, int y, int w, int h, int frameCount, int newFlags) {
  if (frames.size() != 1) return nullptr;
  Ref<c_Image> image = New<c_Image>();
  image->InitFromGrab(x, y, w, h, frameCount, newFlags, Ref<c_Image>(this));
  return image;
}

Ref<c_Image> LoadImageFile(const String& path, int frameCount, int flags) {
  if (!g_graphicsDevice) return nullptr;
  Ref<gxtkSurface> surface = g_graphicsDevice->LoadSurfaceFile(ResolveDataPath(path));
  if (!surface) return nullptr;
  Ref<c_Image> image = New<c_Image>();
  image->InitFromSurface(surface, frameCount, flags);
  return image;
}

Ref<c_Image> LoadImageGrid(const String& path, int frameWidth, int frameHeight, int frameCount,
                           int flags) {
  Ref<c_Image> sheet = LoadImageFile(path, 1, 0);
  if (!sheet) return nullptr;
  return sheet->GrabFrames(0, 0, frameWidth, frameHeight, frameCount, flags);
}

int RenderImage(c_Image* image, float x, float y, int frame) {
  g_graphicsContext->ValidateMatrix();
  if (!image) return 0;
  return DrawFrame(image, x - image->handleX, y - image->handleY, frame);
}

int RenderImageTransformed(c_Image* image, float x, float y, float rotationDegrees, float scaleX,
                           float scaleY, int frame) {
  if (!image) return 0;
  PushRenderMatrix();
  // The handle is the pivot of rotation and scaling and ends up at (x, y).
  TranslateRender(x, y);
  RotateRender(rotationDegrees);
  ScaleRender(scaleX, scaleY);
  TranslateRender(-image->handleX, -image->handleY);
  g_graphicsContext->ValidateMatrix();
  DrawFrame(image, 0, 0, frame);
  PopRenderMatrix();
  return 0;
}

int UseDefaultFont() {
  c_GraphicsContext& context = *g_graphicsContext;
  if (!context.defaultFont) {
    context.defaultFont = LoadImageFile(kDefaultFontFile, kDefaultFontCells, PadXFlag);
  }
  // Null when the file failed to load; the next call tries again.
  context.font = context.defaultFont;
  context.firstChar = kDefaultFontFirstChar;
  return 0;
}

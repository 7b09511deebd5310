// The renderer's surface operations: surfaces from image files (decoded by the host) and blank
// ones, and writing 0xAARRGGBB pixels into a texture, premultiplied on the way.
#include <cstdlib>
#include <vector>

#include <GLFW/glfw3.h>

#include "graphics/gl_check.h"
#include "graphics/pixel_block.h"
#include "graphics/renderer.h"
#include "host/qor_game.h"

namespace {

std::uint32_t PremultipliedPixel(std::uint32_t pixel) {
  const std::uint32_t alpha = pixel >> 24;
  const std::uint32_t r = (pixel >> 16 & 0xFF) * alpha / 255;
  const std::uint32_t g = (pixel >> 8 & 0xFF) * alpha / 255;
  const std::uint32_t b = (pixel & 0xFF) * alpha / 255;
  return alpha << 24 | r << 16 | g << 8 | b;
}

}  // namespace

Ref<gxtkSurface> gxtkGraphics::LoadSurfaceFile(const String& path) {
  Ref<gxtkSurface> surface = New<gxtkSurface>();
  if (!LoadSurfacePixels(surface, path)) return nullptr;
  if (!surface->UploadTexture()) return nullptr;
  return surface;
}

Ref<gxtkSurface> gxtkGraphics::LoadSurfacePixels(const Ref<gxtkSurface>& surface,
                                                 const String& path) {
  if (!surface || !g_hostGame) return nullptr;
  int w = 0, h = 0, depth = 0;
  unsigned char* decoded = g_hostGame->LoadImagePixels(path, &w, &h, &depth);
  if (!decoded) return nullptr;
  if (depth < 1 || depth > 4) {
    std::free(decoded);
    return nullptr;
  }
  std::free(surface->pixels);
  surface->pixels = decoded;
  surface->width = w;
  surface->height = h;
  surface->channels = depth;
  return surface;
}

Ref<gxtkSurface> gxtkGraphics::CreateBlankSurface(int w, int h) {
  Ref<gxtkSurface> surface = New<gxtkSurface>();
  surface->width = w;
  surface->height = h;
  surface->channels = 4;
  if (!surface->UploadTexture()) return nullptr;
  return surface;
}

int gxtkGraphics::WriteSurfacePixels(gxtkSurface* surface, std::span<const int> pixels, int x,
                                     int y, int w, int h, int offset, int pitch) {
  Flush();
  if (!window || !surface || !PixelBlockFits(pixels.size(), w, h, offset, pitch)) return 0;
  std::vector<std::uint32_t> block(static_cast<std::size_t>(w) * h);
  for (int r = 0; r < h; ++r) {
    for (int k = 0; k < w; ++k) {
      const auto pixel =
          static_cast<std::uint32_t>(pixels[offset + static_cast<std::size_t>(r) * pitch + k]);
      block[static_cast<std::size_t>(r) * w + k] = PremultipliedPixel(pixel);
    }
  }
  // Texturing stays disabled; the binding is left in place.
  glBindTexture(GL_TEXTURE_2D, surface->texture);
  glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_BGRA, GL_UNSIGNED_BYTE, block.data());
  CheckGlError("glTexSubImage2D (WriteSurfacePixels)");
  return 0;
}

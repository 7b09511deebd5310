// Surfaces: the texture upload with premultiplication and its power-of-two fallback, and the
// release of the texture and pixels with the surface.
#include "graphics/surface.h"

#include <cstddef>
#include <cstdlib>

#include <GLFW/glfw3.h>

#include "graphics/gl_check.h"

gxtkSurface::TextureStorageFunction gxtkSurface::allocateStorage = &glTexImage2D;

namespace {

// Far beyond any texture size OpenGL grants; keeps the doubling from overflowing.
constexpr int kLargestPowerOfTwo = 1 << 30;

GLenum FormatForChannels(int channels) {
  switch (channels) {
    case 1:
      return GL_LUMINANCE;
    case 2:
      return GL_LUMINANCE_ALPHA;
    case 3:
      return GL_RGB;
    default:
      return GL_RGBA;
  }
}

// Grey + alpha and RGBA pixels: every colour byte times alpha / 255, truncated. Grey and RGB
// pixels have no alpha and stay as they are.
void Premultiply(unsigned char* pixels, std::size_t count, int channels) {
  if (channels != 2 && channels != 4) return;
  const int colourBytes = channels - 1;
  for (std::size_t i = 0; i < count; ++i) {
    unsigned char* pixel = pixels + i * channels;
    const int alpha = pixel[colourBytes];
    for (int k = 0; k < colourBytes; ++k) {
      pixel[k] = static_cast<unsigned char>(pixel[k] * alpha / 255);
    }
  }
}

int PowerOfTwoAtLeast(int size) {
  int power = 1;
  while (power < size && power < kLargestPowerOfTwo) power *= 2;
  return power;
}

// Errors left behind by earlier calls must not read as a refusal of the next allocation.
void ClearGlErrors() {
  for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; ++i) {
  }
}

}  // namespace

gxtkSurface::~gxtkSurface() {
  Discard();
}

int gxtkSurface::Discard() {
  if (texture != 0) {
    // Once the context is gone its textures went with it.
    if (glfwGetCurrentContext()) glDeleteTextures(1, &texture);
    texture = 0;
  }
  if (pixels) {
    std::free(pixels);
    pixels = nullptr;
  }
  return 0;
}

bool gxtkSurface::UploadTexture() {
  bool uploaded = true;
  if (glfwGetCurrentContext()) {
    uploaded = CreateTexture();
  } else {
    // Headless: the picture keeps its size and texture coordinates, without a texture.
    texScaleU = width > 0 ? 1.0f / static_cast<float>(width) : 0;
    texScaleV = height > 0 ? 1.0f / static_cast<float>(height) : 0;
  }
  std::free(pixels);
  pixels = nullptr;
  return uploaded;
}

bool gxtkSurface::CreateTexture() {
  const GLenum format = FormatForChannels(channels);
  if (pixels) Premultiply(pixels, static_cast<std::size_t>(width) * height, channels);
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  ClearGlErrors();
  // The exact size first, whatever OpenGL claims to support; powers of two when it refuses.
  int textureWidth = width;
  int textureHeight = height;
  allocateStorage(GL_TEXTURE_2D, 0, format, textureWidth, textureHeight, 0, format,
                  GL_UNSIGNED_BYTE, nullptr);
  if (glGetError() != GL_NO_ERROR) {
    textureWidth = PowerOfTwoAtLeast(width);
    textureHeight = PowerOfTwoAtLeast(height);
    allocateStorage(GL_TEXTURE_2D, 0, format, textureWidth, textureHeight, 0, format,
                    GL_UNSIGNED_BYTE, nullptr);
    if (glGetError() != GL_NO_ERROR) return false;
  }
  if (pixels) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, format, GL_UNSIGNED_BYTE, pixels);
    CheckGlError("glTexSubImage2D (upload)");
  }
  texScaleU = 1.0f / static_cast<float>(textureWidth);
  texScaleV = 1.0f / static_cast<float>(textureHeight);
  return true;
}

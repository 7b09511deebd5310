// gxtkSurface: one OpenGL texture and the size of the picture in it. Pixels are premultiplied
// by alpha once, at upload, and the CPU copy is freed right after.
#pragma once

#include <cstdint>

#include "host/object.h"

class gxtkSurface : public Object {
 public:
  // Allocates storage for the bound texture, with glTexImage2D's arguments.
  using TextureStorageFunction = void (*)(unsigned target, int level, int internalFormat, int width,
                                          int height, int border, unsigned format, unsigned type,
                                          const void* pixels);

  ~gxtkSurface() override;

  virtual int Discard();
  virtual int PixelWidth() { return width; }
  virtual int PixelHeight() { return height; }
  virtual bool IsLoaded() { return true; }
  // Creates the texture from `pixels`; false when OpenGL refuses every size.
  virtual bool UploadTexture();

  // glTexImage2D, or a stand-in for an OpenGL that refuses some sizes (tests set one; the
  // refusal is read back through glGetError as with a real driver).
  static TextureStorageFunction allocateStorage;

  unsigned char* pixels = nullptr;  // from malloc; null after UploadTexture
  int width = 0;
  int height = 0;
  int channels = 0;  // 1 grey, 2 grey + alpha, 3 RGB, 4 RGBA
  std::uint32_t texture = 0;
  float texScaleU = 0;
  float texScaleV = 0;

 private:
  bool CreateTexture();
};

// Surfaces on a real OpenGL context: what the uploaded texture holds for each channel count,
// premultiplied pixel writes, the power-of-two fallback when OpenGL refuses the exact size,
// unreadable files, and the texture's lifetime.
#include <cstring>
#include <fstream>
#include <iterator>

#include <GLFW/glfw3.h>

#include "graphics_test_support.h"

namespace {

bool IsPowerOfTwo(int n) {
  return n > 0 && (n & (n - 1)) == 0;
}

// Stands in for an OpenGL without non-power-of-two textures: the refusal is a real OpenGL
// error, raised by asking for an invalid size.
void RefuseOtherThanPowersOfTwo(unsigned target, int level, int internalFormat, int w, int h,
                                int border, unsigned format, unsigned type, const void* data) {
  const bool accepted = IsPowerOfTwo(w) && IsPowerOfTwo(h);
  glTexImage2D(target, level, internalFormat, accepted ? w : -1, h, border, format, type, data);
}

void RefuseEverySize(unsigned target, int level, int internalFormat, int, int h, int border,
                     unsigned format, unsigned type, const void* data) {
  glTexImage2D(target, level, internalFormat, -1, h, border, format, type, data);
}

class Surfaces : public WindowTest {
 protected:
  void TearDown() override {
    gxtkSurface::allocateStorage = &glTexImage2D;
    WindowTest::TearDown();
  }

  // The texture's level 0 as `format` bytes.
  static std::vector<unsigned char> TextureBytes(const gxtkSurface& surface, GLenum format,
                                                 int bytesPerTexel) {
    int w = 0, h = 0;
    glBindTexture(GL_TEXTURE_2D, surface.texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(w) * h * bytesPerTexel);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, bytes.data());
    return bytes;
  }

  static int TextureWidth(const gxtkSurface& surface) {
    int w = 0;
    glBindTexture(GL_TEXTURE_2D, surface.texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    return w;
  }
};

TEST_F(Surfaces, UploadPremultipliesOnlyPixelsWithAlpha) {
  struct Case {
    int channels;
    std::initializer_list<int> pixel;
    std::vector<unsigned char> texel;
    GLenum format;
  };
  const Case cases[] = {
      {1, {77}, {77}, GL_LUMINANCE},
      {2, {200, 128}, {100, 128}, GL_LUMINANCE_ALPHA},
      {3, {200, 100, 50}, {200, 100, 50}, GL_RGB},
      {4, {200, 100, 50, 128}, {100, 50, 25, 128}, GL_RGBA},
  };
  for (const Case& c : cases) {
    const std::string name = "c" + std::to_string(c.channels) + ".png";
    Ref<gxtkSurface> surface =
        renderer->LoadSurfaceFile(WritePng(name, Picture(3, 2, c.channels, c.pixel)).c_str());
    ASSERT_TRUE(surface) << name;
    EXPECT_EQ(surface->channels, c.channels);
    EXPECT_EQ(surface->pixels, nullptr) << "the CPU copy goes after upload";
    EXPECT_EQ(surface->PixelWidth(), 3);
    EXPECT_EQ(surface->PixelHeight(), 2);
    EXPECT_FLOAT_EQ(surface->texScaleU, 1.0f / 3);
    EXPECT_FLOAT_EQ(surface->texScaleV, 1.0f / 2);
    int internalFormat = 0;
    glBindTexture(GL_TEXTURE_2D, surface->texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internalFormat);
    EXPECT_EQ(static_cast<GLenum>(internalFormat), c.format) << name;
    const std::vector<unsigned char> bytes = TextureBytes(*surface, c.format, c.channels);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      ASSERT_EQ(bytes[i], c.texel[i % c.channels]) << name << " byte " << i;
    }
  }
}

TEST_F(Surfaces, WriteSurfacePixelsPremultipliesTheBlock) {
  Ref<gxtkSurface> surface = renderer->CreateBlankSurface(4, 2);
  ASSERT_TRUE(surface);
  const std::uint32_t p = 0x80FF4020, q = 0xFF123456, r = 0x00FFFFFF, s = 0x40808080;
  // A 2×2 block at offset 1 of an array three values wide.
  const std::vector<int> source = {0, int(p), int(q), 0, int(r), int(s)};
  const std::vector<int> clear(8, 0);
  renderer->WriteSurfacePixels(surface.Get(), clear, 0, 0, 4, 2, 0, 4);
  renderer->WriteSurfacePixels(surface.Get(), source, 1, 0, 2, 2, 1, 3);
  const std::vector<unsigned char> bytes = TextureBytes(*surface, GL_BGRA, 4);
  std::vector<std::uint32_t> texels(8);
  std::memcpy(texels.data(), bytes.data(), 32);
  EXPECT_EQ(texels,
            (std::vector<std::uint32_t>{0, 0x80802010, q, 0, 0, 0x00000000, 0x40202020, 0}));
}

TEST_F(Surfaces, RefusedExactSizeFallsBackToPowersOfTwo) {
  // 100×50, the last column green, the rest red.
  Picture picture(100, 50, 4, {255, 0, 0, 255});
  picture.Paint(99, 0, 1, 50, {0, 255, 0, 255});
  const std::string path = WritePng("odd.png", picture);
  struct Case {
    const char* name;
    gxtkSurface::TextureStorageFunction storage;
    int textureWidth;
    float scaleU, scaleV;
  };
  const Case cases[] = {
      {"exact size accepted", &glTexImage2D, 100, 1.0f / 100, 1.0f / 50},
      {"exact size refused", &RefuseOtherThanPowersOfTwo, 128, 1.0f / 128, 1.0f / 64},
  };
  for (const Case& c : cases) {
    gxtkSurface::allocateStorage = c.storage;
    Ref<gxtkSurface> surface = renderer->LoadSurfaceFile(path.c_str());
    ASSERT_TRUE(surface) << c.name;
    EXPECT_EQ(TextureWidth(*surface), c.textureWidth) << c.name;
    EXPECT_EQ(surface->PixelWidth(), 100) << c.name;
    EXPECT_FLOAT_EQ(surface->texScaleU, c.scaleU) << c.name;
    EXPECT_FLOAT_EQ(surface->texScaleV, c.scaleV) << c.name;
    // A full blit shows the picture and nothing of the unused texture beyond it.
    StartFrame();
    renderer->BlitSurface(surface.Get(), 0, 0);
    EXPECT_TRUE(PixelNear(Pixel(98, 49), 0xFFFF0000)) << c.name;
    EXPECT_TRUE(PixelNear(Pixel(99, 0), 0xFF00FF00)) << c.name;
    EXPECT_TRUE(PixelNear(Pixel(100, 0), 0xFF000000)) << c.name;
    EXPECT_TRUE(PixelNear(Pixel(0, 50), 0xFF000000)) << c.name;
    renderer->Clear(0, 0, 0);
  }
}

TEST_F(Surfaces, RefusedEverySizeGivesNoSurface) {
  const std::string path = WritePng("any.png", Picture(16, 16, 3, {1, 2, 3}));
  gxtkSurface::allocateStorage = &RefuseEverySize;
  EXPECT_FALSE(renderer->LoadSurfaceFile(path.c_str()));
  EXPECT_FALSE(renderer->CreateBlankSurface(16, 16));
}

TEST_F(Surfaces, EarlierOpenGLErrorDoesNotCountAsARefusal) {
  Ref<gxtkSurface> small = renderer->CreateBlankSurface(4, 4);
  const std::vector<int> block(4, -1);
  // Outside the texture: OpenGL records an error and writes nothing.
  renderer->WriteSurfacePixels(small.Get(), block, 10, 10, 2, 2, 0, 2);
  Ref<gxtkSurface> surface = renderer->CreateBlankSurface(100, 50);
  ASSERT_TRUE(surface);
  EXPECT_FLOAT_EQ(surface->texScaleU, 1.0f / 100);
}

TEST_F(Surfaces, UnreadableFilesGiveNoSurface) {
  WriteFile("text.png", "not a picture");
  WriteFile("empty.png", "");
  const Picture picture(8, 8, 4, {1, 2, 3, 4});
  const std::string whole = WritePng("whole.png", picture);
  std::string bytes;
  {
    std::ifstream in(whole.substr(2), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  WriteFile("cut.png", bytes.substr(0, bytes.size() / 2));
  for (const char* path : {"./data/missing.png", "./data/text.png", "./data/empty.png",
                           "./data/cut.png", "vindle://nowhere/x.png", "./data"}) {
    EXPECT_FALSE(renderer->LoadSurfaceFile(path)) << path;
  }
}

TEST_F(Surfaces, TextureGoesWithItsSurface) {
  const std::string path = WritePng("t.png", Picture(4, 4, 4, {9, 9, 9, 255}));
  Ref<gxtkSurface> discarded = renderer->LoadSurfaceFile(path.c_str());
  const unsigned first = discarded->texture;
  EXPECT_TRUE(glIsTexture(first));
  discarded->Discard();
  EXPECT_FALSE(glIsTexture(first));
  EXPECT_EQ(discarded->texture, 0u);

  Ref<gxtkSurface> dropped = renderer->LoadSurfaceFile(path.c_str());
  const unsigned second = dropped->texture;
  StartFrame();
  renderer->BlitSurface(dropped.Get(), 0, 0);
  FinishFrame();
  CollectGarbage();
  EXPECT_TRUE(glIsTexture(second)) << "still referenced";
  dropped = nullptr;
  CollectGarbage();
  EXPECT_FALSE(glIsTexture(second));
}

}  // namespace

// Images: a surface cut into equally sized frames, with a handle point that is placed at the
// drawing position and serves as the pivot for rotation and scaling.
#pragma once

#include <vector>

#include "graphics/surface.h"
#include "host/object.h"
#include "host/text.h"

constexpr int CenterHandleFlag = 1;
constexpr int PadXFlag = 2;
constexpr int PadYFlag = 4;
constexpr int WholeSurfaceFlag = 0x10000;

class c_Frame : public Object {
 public:
  c_Frame(int frameX, int frameY) : x(frameX), y(frameY) {}
  int x = 0;
  int y = 0;
};

class c_Image : public Object {
 public:
  virtual int SetHandle(float x, float y);
  virtual int ApplyFlags(int flags);
  virtual c_Image* InitFromSurface(const Ref<gxtkSurface>& surface, int frameCount, int flags);
  virtual c_Image* InitFromGrab(int x, int y, int w, int h, int frameCount, int flags,
                                const Ref<c_Image>& source);
  virtual Ref<c_Image> GrabFrames(int x, int y, int w, int h, int frameCount, int flags);

  Ref<gxtkSurface> surface;
  int width = 0;
  int height = 0;
  std::vector<Ref<c_Frame>> frames;
  int flags = 0;
  float handleX = 0;
  float handleY = 0;
  Ref<c_Image> source;
};

// A bare asset name goes under "vindle://data/"; schemes, drive prefixes, "./" and "/" stay.
String ResolveDataPath(const String& path);
Ref<c_Image> LoadImageFile(const String& path, int frameCount, int flags);
Ref<c_Image> LoadImageGrid(const String& path, int frameWidth, int frameHeight, int frameCount,
                           int flags);
int RenderImage(c_Image* image, float x, float y, int frame);
int RenderImageTransformed(c_Image* image, float x, float y, float rotationDegrees, float scaleX,
                           float scaleY, int frame);
int UseDefaultFont();

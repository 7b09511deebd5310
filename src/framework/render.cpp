// The render handler: replays the draw-command list once per frame, scaled uniformly so that
// the 640 x 480 design screen fills the window, and notices changes of the window size.
#include "framework/app_globals.h"
#include "framework/draw_list.h"
#include "framework/game_math.h"
#include "game/game_ids.h"
#include "game/my_app.h"
#include "graphics/graphics_context.h"

namespace {

void MeasureRenderRate(c_MyApp& app) {
  const int now = AppMillis();
  if (now - app.lastRenderMillis > 0) app.fps = 1000 / (now - app.lastRenderMillis);
  app.fpsSmoothed = (app.fpsSmoothed * 9 + app.fps) / 10;
  app.lastRenderMillis = AppMillis();
}

// The larger of the two axis factors, so the picture fills the window without borders; one
// logical dimension is then exactly the design size and the other at most the design size.
void ChooseScale(c_MyApp& app, int width, int height) {
  const float sx = static_cast<float>(width) / g_virtualWidth;
  const float sy = static_cast<float>(height) / g_virtualHeight;
  float s = sx;
  app.scaleMode = 1;
  if (sx < sy) {
    app.scaleMode = 2;
    s = sy;
  }
  app.scaleX = s;
  app.scaleY = s;
  g_screenWidth = static_cast<float>(width) / s;
  g_screenHeight = static_cast<float>(height) / s;
  app.landscape = g_screenWidth < g_screenHeight ? 0 : 1;
}

void ReplayImage(c_MyApp& app, const float* command, float s) {
  const int id = TruncToInt(command[kCommandKind]);
  if (id >= kBankSize) return;
  c_Image* image = app.images[id].Get();
  if (!image) return;
  const int frame = TruncToInt(command[kCommandFrame]);
  // A frame the image does not have draws nothing.
  if (frame < 0 || frame >= static_cast<int>(image->frames.size())) return;
  RenderImageTransformed(image, command[kCommandX] * s, command[kCommandY] * s,
                         command[kCommandRotation], command[kCommandWidth] * s * app.imageScale,
                         command[kCommandHeight] * s * app.imageScale, frame);
}

void ReplayCommand(c_MyApp& app, const float* command, float s) {
  SetRenderAlpha(command[kCommandAlpha]);
  SetRenderColor(command[kCommandRed], command[kCommandGreen], command[kCommandBlue]);
  SetRenderBlend(0);
  if (command[kCommandBlend] == kAdditiveBlendCode) SetRenderBlend(1);
  const float kind = command[kCommandKind];
  const float x = command[kCommandX] * s;
  const float y = command[kCommandY] * s;
  const float width = command[kCommandWidth] * s;
  const float height = command[kCommandHeight] * s;
  if (kind == kRectCommand) {
    RenderRect(x, y, width, height);
  } else if (kind == kOvalCommand) {
    RenderEllipse(x, y, width, height);
  } else if (kind == kLineCommand) {
    RenderLine(x, y, width, height);
  } else if (kind > -1) {
    ReplayImage(app, command, s);
  }
}

}  // namespace

int c_MyApp::HandleRender() {
  MeasureRenderRate(*this);
  const int width = GraphicsWidth();
  const int height = GraphicsHeight();
  // A translucent backdrop lets the previous frame show through (the play field's blur), so
  // that frame must survive the buffer swap; an opaque one covers it.
  if (clearAlpha < 1) ShowPreviousFrame();
  SetRenderColor(clearRed, clearGreen, clearBlue);
  SetRenderAlpha(clearAlpha);
  RenderRect(-1, -1, static_cast<float>(width + 2), static_cast<float>(height + 2));
  SetRenderColor(255, 255, 255);
  SetRenderAlpha(1);
  if (width != deviceWidth || height != deviceHeight) {
    // Every asset is loaded again at the detail level of the new size.
    loadStep = 1;
    deviceWidth = width;
    deviceHeight = height;
  }
  ChooseScale(*this, width, height);
  for (int offset = 0; offset <= drawListLength - kCommandSize; offset += kCommandSize) {
    ReplayCommand(*this, drawList + offset, scaleX);
  }
  SetRenderAlpha(0.5f);
  SetRenderColor(255, 255, 255);
  return 0;
}

// The draw-command list of c_MyApp: the draw state and the appends. Screens record their
// pictures here during the update; the render handler replays the list.
#include "framework/draw_list.h"

#include "game/my_app.h"

namespace {

// Writes one record with the current draw state; drops it when the list is full.
void AppendCommand(c_MyApp& app, float kind, float x, float y, float width, float height,
                   float frame) {
  if (app.drawListLength >= kDrawListLimit) return;
  float* record = app.drawList + app.drawListLength;
  record[kCommandKind] = kind;
  record[kCommandX] = x;
  record[kCommandY] = y;
  record[kCommandRotation] = app.drawRotation;
  record[kCommandWidth] = width;
  record[kCommandHeight] = height;
  record[kCommandFrame] = frame;
  record[kCommandAlpha] = app.drawAlpha;
  record[kCommandRed] = app.drawRed;
  record[kCommandGreen] = app.drawGreen;
  record[kCommandBlue] = app.drawBlue;
  record[kCommandBlend] = static_cast<float>(app.drawBlend);
  app.drawListLength += kCommandSize;
}

}  // namespace

void c_MyApp::ResetDrawState() {
  drawBlend = 1;
  drawScaleX = 1;
  drawScaleY = 1;
  drawRotation = 0;
  drawRed = 255;
  drawGreen = 255;
  drawBlue = 255;
  drawAlpha = 1;
}

void c_MyApp::BeginDrawList(float r, float g, float b, float a) {
  if (r > kAbsent) {
    clearRed = r;
    clearGreen = g;
    clearBlue = b;
    clearAlpha = a;
  }
  ResetDrawState();
  drawListLength = 0;
}

void c_MyApp::SetDrawScale(float sx, float sy) {
  drawScaleX = sx;
  drawScaleY = sx;
  if (sy > kAbsent) drawScaleY = sy;
}

void c_MyApp::SetDrawAlpha(float a) {
  drawAlpha = a;
}

void c_MyApp::SetDrawColor(float r, float g, float b, float a) {
  drawRed = r;
  drawGreen = g;
  drawBlue = b;
  if (a > kAbsent) drawAlpha = a;
}

void c_MyApp::SetDrawRotation(float angle) {
  // Stored negated: the game's angles turn clockwise on screen, the renderer's the other way.
  drawRotation = -angle;
}

void c_MyApp::DrawCommandImage(int id, float x, float y, float frame) {
  AppendCommand(*this, static_cast<float>(id), x, y, drawScaleX, drawScaleY, frame);
}

void c_MyApp::DrawCommandRect(float x, float y, float w, float h) {
  AppendCommand(*this, kRectCommand, x, y, w, h, 0);
}

void c_MyApp::DrawCommandOval(float x, float y, float rx, float ry) {
  AppendCommand(*this, kOvalCommand, x, y, rx, ry, 0);
}

void c_MyApp::DrawCommandLine(float x1, float y1, float x2, float y2) {
  AppendCommand(*this, kLineCommand, x1, y1, x2, y2, 0);
}

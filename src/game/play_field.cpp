// The play field: a new game, the scrolling backdrop with its blur, the damage flash, the ship
// steered by dragging, its exhaust trail and its automatic fire; then the enemies, sparks and
// the score display of the same update.
#include <algorithm>
#include <cmath>

#include "framework/app_globals.h"
#include "game/game_ids.h"
#include "game/my_app.h"
#include "game/play_steps.h"

namespace {

constexpr int kMaxPlayWidth = 320;
// The backdrop tiles are 512 units apart and move down half a unit per update.
constexpr float kBackdropTile = 512;
constexpr float kBackdropSpeed = 0.5f;
constexpr float kFlashFade = 0.02f;
// The ship covers this share of the distance to its target per update.
constexpr float kShipEasing = 0.125f;
constexpr float kShotSpeed = 6;

float* TrailPoint(c_MyApp& app, int point) {
  return app.trail + point * kTrailStride;
}

void MeasurePlayColumn(c_MyApp& app) {
  app.playHeight = TruncToInt(g_screenHeight);
  app.playWidth = TruncToInt(g_screenWidth);
  if (g_screenWidth > kMaxPlayWidth) app.playWidth = kMaxPlayWidth;
}

// (blur - 1) / 7: the setting 3 lets earlier frames shine through, 8 paints opaquely.
float BackdropAlpha(const c_MyApp& app) {
  const float alpha = static_cast<float>(app.settings[backgroundBlur] - 1) / 7;
  return std::clamp(alpha, 0.05f, 1.0f);
}

void DrawBackdrop(c_MyApp& app, float playLeft) {
  app.BeginDrawList(0, 0, 8, 0);
  app.SetDrawColor(255, 255, 255, BackdropAlpha(app));
  app.backdropScroll += kBackdropSpeed;
  if (app.backdropScroll >= kBackdropTile) app.backdropScroll -= kBackdropTile;
  app.SetDrawScale(2);
  for (int k = -1; k <= 1; ++k) {
    const float y = kBackdropTile * static_cast<float>(k) + app.backdropScroll;
    app.DrawCommandImage(kBackdropImage, 0, y, 0);
    app.DrawCommandImage(kBackdropImage, kBackdropTile, y, 0);
  }
  app.damageFlash -= kFlashFade;
  if (app.damageFlash < 0) app.damageFlash = 0;
  app.SetDrawColor(180, 0, 0, app.damageFlash);
  app.DrawCommandRect(-1, -1, g_screenWidth + 2, g_screenHeight + 2);
  app.SetDrawColor(0, 80, 0, 0.5f);
  app.DrawCommandRect(0, 0, playLeft, g_screenHeight);
  app.DrawCommandRect(g_screenWidth - playLeft, 0, playLeft, g_screenHeight);
}

void KeepInLowerHalf(const c_MyApp& app, float& x, float& y) {
  const auto width = static_cast<float>(app.playWidth);
  const auto height = static_cast<float>(app.playHeight);
  x = std::clamp(x, 0.0f, width);
  y = std::clamp(y, height * 0.5f, height);
}

// The ship follows the movement of a held pointer, not its position.
void SteerShip(c_MyApp& app) {
  if (app.anyTouchDown > 0 && app.touchLatch == 0) {
    const int speed = app.settings[moveSpeed];
    app.shipTargetX += static_cast<float>((app.pointerX - app.prevPointerX) * speed);
    app.shipTargetY += static_cast<float>((app.pointerY - app.prevPointerY) * speed);
  }
  KeepInLowerHalf(app, app.shipTargetX, app.shipTargetY);
  app.shipX -= (app.shipX - app.shipTargetX) * kShipEasing;
  app.shipY -= (app.shipY - app.shipTargetY) * kShipEasing;
  KeepInLowerHalf(app, app.shipX, app.shipY);
}

// Each point glides half-way toward the point two places ahead, which has not moved yet in
// this update, and sinks half a unit: the even points stream down behind the ship.
void StreamTrail(c_MyApp& app) {
  for (int i = 0; i < kShipPoint - 1; ++i) {
    float* point = TrailPoint(app, i);
    const float* ahead = TrailPoint(app, i + 2);
    point[0] -= (point[0] - ahead[0]) * 0.5f;
    point[1] = point[1] - (point[1] - ahead[1]) * 0.5f + 0.5f;
    point[2] = ahead[2];
  }
  float* ship = TrailPoint(app, kShipPoint);
  ship[0] = app.shipX;
  ship[1] = app.shipY;
  ship[2] = app.trailHue;
  app.trailHue = std::fmod(app.trailHue + 0.5f, 360.0f);
}

void DrawTrailAndShip(c_MyApp& app, float playLeft) {
  for (int i = app.trailFirstSegment; i <= kLastTrailSegment; ++i) {
    const float* a = TrailPoint(app, 2 * i + 398);
    const float* b = TrailPoint(app, 2 * i + 400);
    // The hue runs along the ribbon.
    const int hue = TruncToInt(std::fmod(a[2] + static_cast<float>(4 * i), 360.0f));
    const HueColor color = HueToColor(hue);
    app.SetDrawColor(color.red, color.green, color.blue, 1);
    app.DrawCommandLine(a[0] + playLeft, a[1], b[0] + playLeft, b[1]);
    app.DrawCommandLine(a[0] + playLeft, a[1] + 1, b[0] + playLeft, b[1] + 1);
  }
  app.SetDrawColor(100, 255, 100, 0.5f);
  app.DrawCommandOval(app.shipX + playLeft, app.shipY, 4, 4);
  app.SetDrawScale(1);
  app.SetDrawColor(255, 255, 255, 1);
  app.DrawCommandImage(kShipImage, app.shipX + playLeft, app.shipY, 0);
}

// Fires also after the ship is destroyed; a full pool fires nothing and draws no number.
void FireShot(c_MyApp& app) {
  app.fireCooldown -= 1;
  if (app.fireCooldown >= 1) return;
  app.fireCooldown = app.fireInterval;
  const int slot = HighestFreeRecord(app.shots);
  if (slot < 0) return;
  float* shot = app.shots + slot * kRecordSize;
  shot[kShotLive] = 1;
  shot[kShotX] = app.shipX;
  shot[kShotY] = app.shipY;
  shot[kShotVX] = 0;
  shot[kShotVY] = -kShotSpeed;
  shot[kShotHue] = RandomUnit() * 360;
}

// A 4 x 8 bolt with a streak from where it was one update before the move.
void MoveShots(c_MyApp& app, float playLeft) {
  const auto width = static_cast<float>(app.playWidth);
  const auto height = static_cast<float>(app.playHeight);
  for (int i = 0; i < kPoolRecords; ++i) {
    float* shot = app.shots + i * kRecordSize;
    if (shot[kShotLive] <= 0) continue;
    const HueColor color = HueToColor(TruncToInt(shot[kShotHue]));
    const float tailX = shot[kShotX] - shot[kShotVX];
    const float tailY = shot[kShotY] - shot[kShotVY];
    shot[kShotX] += shot[kShotVX];
    shot[kShotY] += shot[kShotVY];
    const float x = shot[kShotX];
    const float y = shot[kShotY];
    app.SetDrawColor(color.red, color.green, color.blue, 1);
    app.DrawCommandRect(x + playLeft - 2, y - 4, 4, 8);
    app.DrawCommandLine(tailX + playLeft, tailY, x + playLeft, y);
    if (x < -32 || x > width + 32 || y < -32 || y > height + 32) shot[kShotLive] = 0;
  }
}

}  // namespace

float PlayLeft(const c_MyApp& app) {
  return g_screenWidth * 0.5f - static_cast<float>(app.playWidth / 2);
}

void c_MyApp::NewGame() {
  menuOpen = 0;
  score = 0;
  shipDestroyed = 0;
  gameOverTimer = 0;
  gameState = kPlayingState;
  MeasurePlayColumn(*this);
  // The press that started the game must not steer the ship.
  touchLatch = 1;
  shipX = shipTargetX = static_cast<float>(playWidth / 2);
  shipY = shipTargetY = static_cast<float>(TruncToInt(g_screenHeight)) * 0.75f;
  for (int i = 0; i < kTrailPoints; ++i) {
    float* point = TrailPoint(*this, i);
    point[0] = shipX;
    point[1] = shipY;
    point[2] = 0;
  }
  for (int i = 0; i < kPoolRecords; ++i) {
    shots[i * kRecordSize] = 0;
    enemies[i * kRecordSize] = 0;
    sparks[i * kRecordSize] = 0;
  }
  spawnTimer = 0;
  damageFlash = 0;
  fireCooldown = 0;
  maxEnemies = 4;
  spawnsUntilGrowth = 10;
  trailFirstSegment = 24;
  energy = 100;
  fireInterval = 20;
}

void c_MyApp::PlayUpdate() {
  MeasurePlayColumn(*this);
  const float playLeft = PlayLeft(*this);
  DrawBackdrop(*this, playLeft);
  SteerShip(*this);
  StreamTrail(*this);
  if (shipDestroyed == 0) DrawTrailAndShip(*this, playLeft);
  FireShot(*this);
  MoveShots(*this, playLeft);
  ResetDrawState();
  const int present = StepEnemies(*this, playLeft);
  PaceSpawns(*this, present);
  StepSparks(*this, playLeft);
  DrawScoreAndEnergy(*this);
}

// The layout of the play field's fixed pools (shots, enemies, sparks, the trail) and the steps
// of one play update that live in their own files. PlayUpdate runs them in this order: the
// backdrop, ship, trail and shots, then the enemies with the spawn pacing, the sparks, and the
// score and energy display.
#pragma once

#include <cmath>

#include "framework/game_math.h"

class c_MyApp;

// Every pool holds 101 records of 10 floats; element 0 of a record is 0 while it is free.
constexpr int kPoolRecords = 101;
constexpr int kRecordSize = 10;

// Shot record.
enum ShotField { kShotLive = 0, kShotX = 1, kShotY = 2, kShotVX = 3, kShotVY = 4, kShotHue = 5 };

// Enemy record. While the enemy falls, kEnemyTargetY holds its fall speed.
enum EnemyField {
  kEnemyKind = 0,
  kEnemyX = 1,
  kEnemyY = 2,
  kEnemyTargetX = 3,
  kEnemyTargetY = 4,
  kEnemySpareTimer = 5,
  kEnemyMoveTimer = 6,
  kEnemyWobbleAngle = 7,
  kEnemyWobbleSpeed = 8,
  kEnemyHit = 9,
};
constexpr int kEnemyFallSpeed = kEnemyTargetY;

// Spark record.
enum SparkField {
  kSparkLive = 0,
  kSparkX = 1,
  kSparkY = 2,
  kSparkVX = 3,
  kSparkVY = 4,
  kSparkRed = 5,
  kSparkGreen = 6,
  kSparkBlue = 7,
  kSparkAlpha = 8,
};

// The trail: points 4 floats apart (x, y, hue); the last point is the ship. Only the even
// points from kFirstDrawnSegment * 2 + 398 to the ship are drawn and catch enemies.
constexpr int kTrailPoints = 501;
constexpr int kTrailStride = 4;
constexpr int kShipPoint = kTrailPoints - 1;
constexpr int kLastTrailSegment = 50;

// The play column's left edge on the screen.
float PlayLeft(const c_MyApp& app);

// The free record with the highest index (element 0 exactly 0), or -1 when the pool is full.
inline int HighestFreeRecord(const float* pool) {
  int found = -1;
  for (int i = 0; i < kPoolRecords; ++i) {
    if (pool[i * kRecordSize] == 0) found = i;
  }
  return found;
}

// The hue colour of the trail and the shots, for a whole number of degrees.
struct HueColor {
  float red, green, blue;
};
inline HueColor HueToColor(int degrees) {
  const float sine = SinDegrees(static_cast<float>(degrees));
  const float cosine = CosDegrees(static_cast<float>(degrees));
  return {180 + 70 * sine, 180 + 70 * cosine, 180 - 70 * cosine};
}

// Moves, hits, draws and tests every enemy; returns how many records are in use.
int StepEnemies(c_MyApp& app, float playLeft);
// Brings in a new enemy when fewer than maxEnemies are present, and lets maxEnemies grow.
void PaceSpawns(c_MyApp& app, int present);
void StepSparks(c_MyApp& app, float playLeft);
// The score and energy at the top of the screen; destroys the ship once energy is below 0.
void DrawScoreAndEnergy(c_MyApp& app);

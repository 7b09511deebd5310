// Enemies: their arrival above the column, their hovering spots, the hits of the shots, the
// fall of a knocked-out enemy and its end against the ship, the trail or the bottom edge.
// Every random number is drawn in a fixed order, so a game replays exactly from its seed.
#include <cmath>

#include "framework/app_globals.h"
#include "game/game_ids.h"
#include "game/my_app.h"
#include "game/play_steps.h"

namespace {

// A free spot keeps this distance to every other enemy's target, on both axes.
constexpr float kSpotClearance = 24;
constexpr int kSpotTries = 51;
// Hovering enemies cover this share of the distance to their spot per update.
constexpr float kHoverEasing = 0.03125f;
constexpr float kShotReach = 16;
// A falling enemy touches the ship or a trail point within these distances.
constexpr float kTouchReachX = 16;
constexpr float kTouchReachY = 8;
constexpr float kFallAcceleration = 0.05f;
constexpr float kMaxFallSpeed = 3;
constexpr int kLowEnergy = 15;
// Arrivals are at least this many updates apart, plus the one in which the timer runs out.
constexpr int kSpawnGap = 30;
constexpr int kArrivalsPerGrowth = 5;

float* Enemy(c_MyApp& app, int i) {
  return app.enemies + i * kRecordSize;
}

void TestShotHits(c_MyApp& app, float* enemy) {
  for (int j = 0; j < kPoolRecords; ++j) {
    float* shot = app.shots + j * kRecordSize;
    if (shot[kShotLive] != 1) continue;
    if (std::fabs(shot[kShotX] - enemy[kEnemyX]) >= kShotReach ||
        std::fabs(shot[kShotY] - enemy[kEnemyY]) >= kShotReach) {
      continue;
    }
    // Every shot that touches counts, even on an enemy hit earlier in this update.
    enemy[kEnemyFallSpeed] = 0;
    enemy[kEnemyHit] = 1;
    app.score += 5;
    app.SpawnSparks(enemy[kEnemyX], enemy[kEnemyY], 6);
    shot[kShotLive] = 0;
    // The rate is drawn before the sound number.
    const float rate = 0.8f + RandomUnit() * (1.2f - 0.8f);
    const int sound = app.RandomInt(kFirstHitSound, kLastHitSound);
    app.PlaySfx(sound, rate, 1, 0);
  }
}

void MoveEnemy(c_MyApp& app, int i) {
  float* enemy = Enemy(app, i);
  if (enemy[kEnemyHit] == 0) {
    enemy[kEnemyX] -= (enemy[kEnemyX] - enemy[kEnemyTargetX]) * kHoverEasing;
    enemy[kEnemyY] -= (enemy[kEnemyY] - enemy[kEnemyTargetY]) * kHoverEasing;
    TestShotHits(app, enemy);
  }
  if (enemy[kEnemyHit] > 0) {
    enemy[kEnemyFallSpeed] = std::fmin(enemy[kEnemyFallSpeed] + kFallAcceleration, kMaxFallSpeed);
    enemy[kEnemyY] += enemy[kEnemyFallSpeed];
  }
  enemy[kEnemySpareTimer] -= 1;
  enemy[kEnemyMoveTimer] -= 1;
  if (enemy[kEnemyMoveTimer] < 1 && enemy[kEnemyHit] == 0) {
    enemy[kEnemyMoveTimer] = static_cast<float>(app.RandomInt(180, 360));
    app.spotOwner = i;
    app.FindFreeSpot();
    enemy[kEnemyTargetX] = static_cast<float>(app.spotX);
    enemy[kEnemyTargetY] = static_cast<float>(app.spotY);
  }
  enemy[kEnemyWobbleAngle] = std::fmod(enemy[kEnemyWobbleAngle] + enemy[kEnemyWobbleSpeed], 360.0f);
}

// A figure of eight 16 units wide and 16 high around the undisturbed position.
void DrawHovering(c_MyApp& app, const float* enemy, float playLeft, float frame) {
  const float angle = enemy[kEnemyWobbleAngle];
  const float ox = SinDegrees(2 * angle) * 8;
  const float oy = -CosDegrees(angle) * 8;
  app.SetDrawScale(1);
  app.DrawCommandImage(kEnemyImage, enemy[kEnemyX] + playLeft + ox, enemy[kEnemyY] + oy, frame);
}

bool Touches(const float* enemy, float x, float y) {
  return std::fabs(enemy[kEnemyX] - x) < kTouchReachX &&
         std::fabs(enemy[kEnemyY] - y) < kTouchReachY;
}

// Whether a falling enemy may still touch the ship or its trail.
bool CanCollide(const c_MyApp& app, const float* enemy) {
  return app.shipDestroyed == 0 && app.menuOpen == 0 && enemy[kEnemyKind] > 0;
}

void LoseEnergy(c_MyApp& app, int amount, float flash) {
  app.energy -= amount;
  app.damageFlash = flash;
}

void DrawAndTestFalling(c_MyApp& app, float* enemy, float playLeft, float frame) {
  const float x = enemy[kEnemyX];
  const float y = enemy[kEnemyY];
  app.SetDrawRotation(enemy[kEnemyWobbleSpeed] * enemy[kEnemyHit]);
  app.SetDrawScale(0.5f);
  app.DrawCommandImage(kEnemyImage, x + playLeft, y, frame);
  // The explosion over it takes a new angle and size every update.
  app.SetDrawRotation(static_cast<float>(app.RandomInt(0, 7) * 45));
  app.SetDrawScale(RandomUnit() * 1.5f + 0.5f);
  app.DrawCommandImage(kExplosionImage, x + playLeft, y, 0);

  if (y > g_screenHeight + 32) {
    enemy[kEnemyKind] = 0;
    LoseEnergy(app, 1, 0.3f);
    app.PlaySfx(kEscapeSound, 1, 1, 0);
    if (app.energy < kLowEnergy) app.PlaySfx(kLowEnergySound, 1, 1, 0);
  }
  if (Touches(enemy, app.shipX, app.shipY) && CanCollide(app, enemy)) {
    enemy[kEnemyKind] = 0;
    LoseEnergy(app, 10, 0.8f);
    if (app.energy < kLowEnergy) app.PlaySfx(kLowEnergySound, 1, 1, 0);
    app.SpawnSparks(app.shipX, app.shipY, 16);
    app.PlaySfx(kShipHitSound, 1, 1, 0);
  }
  for (int s = app.trailFirstSegment; s <= kLastTrailSegment; ++s) {
    const float* point = app.trail + (2 * s + 398) * kTrailStride;
    if (Touches(enemy, point[0], point[1]) && CanCollide(app, enemy)) {
      enemy[kEnemyKind] = 0;
      app.score += 10;
      app.SpawnSparks(x, y, 9);
      app.PlaySfx(kTrailCatchSound, 1, 1, 0);
    }
  }
  app.SetDrawRotation(0);
}

}  // namespace

void c_MyApp::SpawnEnemy() {
  const int slot = HighestFreeRecord(enemies);
  if (slot < 0) return;
  float* enemy = Enemy(*this, slot);
  spotOwner = slot;
  // Above the column, out of sight.
  enemy[kEnemyX] = static_cast<float>(RandomInt(32, static_cast<float>(playWidth - 32)));
  enemy[kEnemyY] = static_cast<float>(-RandomInt(64, 128));
  FindFreeSpot();
  const int row = RandomInt(0, 3);
  const int look = RandomInt(1, 8);
  enemy[kEnemyKind] = static_cast<float>(row * 16 + look);
  enemy[kEnemyTargetX] = static_cast<float>(spotX);
  enemy[kEnemyTargetY] = static_cast<float>(spotY);
  enemy[kEnemySpareTimer] = static_cast<float>(RandomInt(180, 360));
  enemy[kEnemyMoveTimer] = static_cast<float>(RandomInt(190, 360));
  enemy[kEnemyWobbleAngle] = static_cast<float>(RandomInt(0, 360));
  enemy[kEnemyWobbleSpeed] = RandomUnit() * 5.5f + 0.5f;
  enemy[kEnemyHit] = 0;
}

// A falling enemy's fall speed counts as its target y here; its target x is its last spot.
void c_MyApp::FindFreeSpot() {
  for (int attempt = 1; attempt <= kSpotTries; ++attempt) {
    spotX = RandomInt(8, static_cast<float>(playWidth - 8));
    spotY = RandomInt(16, static_cast<float>(playHeight / 2 - 32));
    bool taken = false;
    for (int j = 0; j < kPoolRecords && !taken; ++j) {
      const float* other = Enemy(*this, j);
      taken = j != spotOwner && other[kEnemyKind] > 0 &&
              std::fabs(other[kEnemyTargetX] - static_cast<float>(spotX)) < kSpotClearance &&
              std::fabs(other[kEnemyTargetY] - static_cast<float>(spotY)) < kSpotClearance;
    }
    // A crowded area takes the last spot drawn rather than searching for ever.
    if (!taken) return;
  }
}

int StepEnemies(c_MyApp& app, float playLeft) {
  int present = 0;
  for (int i = 0; i < kPoolRecords; ++i) {
    float* enemy = Enemy(app, i);
    if (enemy[kEnemyKind] <= 0) continue;
    ++present;
    // Enemies stand still while the settings panel is open.
    if (app.menuOpen == 0) MoveEnemy(app, i);
    // All enemies change frame together, 0.6 seconds in each.
    float frame = enemy[kEnemyKind] - 1;
    // In 64 bits, so that the clock's last millisecond before wrapping does not overflow.
    if ((static_cast<long long>(AppMillis()) + 120) % 1200 < 600) frame += 8;
    if (enemy[kEnemyHit] == 0) DrawHovering(app, enemy, playLeft, frame);
    if (enemy[kEnemyHit] > 0) DrawAndTestFalling(app, enemy, playLeft, frame);
  }
  return present;
}

void PaceSpawns(c_MyApp& app, int present) {
  if (present >= app.maxEnemies) return;
  app.spawnTimer -= 1;
  if (app.spawnTimer < 0) {
    // The counters move even when every record is taken and nothing arrives.
    app.SpawnEnemy();
    app.spawnsUntilGrowth -= 1;
    app.spawnTimer = kSpawnGap;
  }
  if (app.spawnsUntilGrowth < 0) {
    app.maxEnemies += 1;
    app.spawnsUntilGrowth = kArrivalsPerGrowth;
  }
}

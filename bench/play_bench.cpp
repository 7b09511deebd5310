// One play update of the real game (the play field, enemies, sparks and the display), in a
// typical game and in one where every shot, enemy and spark record is in use. Each iteration
// starts from the same field, restored outside the timed part.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>

#include "framework/app_globals.h"
#include "support/game_driver.h"

namespace {

// The field's state that one update changes.
struct Field {
  float shots[1024], enemies[1024], sparks[1024], trail[2048];
  float shipX, shipY, shipTargetX, shipTargetY, damageFlash, backdropScroll, trailHue;
  int score, shownScore, energy, spawnTimer, spawnsUntilGrowth, maxEnemies, fireCooldown;
  int shipDestroyed;
  std::uint32_t seed;
};

void Save(const c_MyApp& app, Field& field) {
  std::copy(std::begin(app.shots), std::end(app.shots), field.shots);
  std::copy(std::begin(app.enemies), std::end(app.enemies), field.enemies);
  std::copy(std::begin(app.sparks), std::end(app.sparks), field.sparks);
  std::copy(std::begin(app.trail), std::end(app.trail), field.trail);
  field.shipX = app.shipX;
  field.shipY = app.shipY;
  field.shipTargetX = app.shipTargetX;
  field.shipTargetY = app.shipTargetY;
  field.damageFlash = app.damageFlash;
  field.backdropScroll = app.backdropScroll;
  field.trailHue = app.trailHue;
  field.score = app.score;
  field.shownScore = app.shownScore;
  field.energy = app.energy;
  field.spawnTimer = app.spawnTimer;
  field.spawnsUntilGrowth = app.spawnsUntilGrowth;
  field.maxEnemies = app.maxEnemies;
  field.fireCooldown = app.fireCooldown;
  field.shipDestroyed = app.shipDestroyed;
  field.seed = g_randomSeed;
}

void Restore(c_MyApp& app, const Field& field) {
  std::copy(std::begin(field.shots), std::end(field.shots), app.shots);
  std::copy(std::begin(field.enemies), std::end(field.enemies), app.enemies);
  std::copy(std::begin(field.sparks), std::end(field.sparks), app.sparks);
  std::copy(std::begin(field.trail), std::end(field.trail), app.trail);
  app.shipX = field.shipX;
  app.shipY = field.shipY;
  app.shipTargetX = field.shipTargetX;
  app.shipTargetY = field.shipTargetY;
  app.damageFlash = field.damageFlash;
  app.backdropScroll = field.backdropScroll;
  app.trailHue = field.trailHue;
  app.score = field.score;
  app.shownScore = field.shownScore;
  app.energy = field.energy;
  app.spawnTimer = field.spawnTimer;
  app.spawnsUntilGrowth = field.spawnsUntilGrowth;
  app.maxEnemies = field.maxEnemies;
  app.fireCooldown = field.fireCooldown;
  app.shipDestroyed = field.shipDestroyed;
  g_randomSeed = field.seed;
}

void Fill(float* record, std::initializer_list<float> values) {
  std::copy(values.begin(), values.end(), record);
}

// A started game whose pools hold the given numbers of objects spread over the column: shots
// in the lower half, enemies hovering in the upper half (every fifth one falling), sparks all
// over.
void SetUpField(GameDriver& game, int shots, int enemies, int sparks) {
  game.Start();
  game.FinishLoading();
  game.RunUpdates(1);
  game.KeyDown(32);
  game.RunUpdates(1);
  game.KeyUp(32);
  game.RunUpdates(30);  // the first enemy arrives, the trail streams out
  c_MyApp& app = game.app();
  app.energy = 1000000;
  app.fireCooldown = 1000000;  // the pool stays as placed
  for (int i = 0; i < 101; ++i) {
    const auto f = static_cast<float>(i);
    app.shots[10 * i] = 0;
    app.enemies[10 * i] = 0;
    app.sparks[10 * i] = 0;
    if (i < shots) Fill(app.shots + 10 * i, {1, 5 + 3 * f, 250 + f, 0, -6, 3.5f * f});
    if (i < enemies) {
      const float x = 10 + std::fmod(37 * f, 300);
      const float y = 20 + std::fmod(53 * f, 200);
      const float falling = i % 5 == 4 ? 1 : 0;
      Fill(app.enemies + 10 * i, {1 + f, x, y, x + 5, falling > 0 ? 1 : y - 5, 200, 300, 7 * f,
                                  0.5f + 0.05f * f, falling});
    }
    if (i < sparks) {
      Fill(app.sparks + 10 * i, {1, 3 * f, 4 * f, 2, -3, 150, 200, 250, 1 - 0.005f * f});
    }
  }
  app.maxEnemies = enemies;  // no arrivals beyond what was placed
}

void PlayUpdate(benchmark::State& state, int shots, int enemies, int sparks) {
  GameDriver game;
  SetUpField(game, shots, enemies, sparks);
  c_MyApp& app = game.app();
  Field field{};
  Save(app, field);
  for (auto _ : state) {
    Restore(app, field);
    const auto start = std::chrono::steady_clock::now();
    app.PlayUpdate();
    const auto end = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(app.drawListLength);
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  state.counters["commands"] = static_cast<double>(app.drawListLength / 15);
}

void TypicalGame(benchmark::State& state) {
  PlayUpdate(state, 3, 10, 50);
}

void CrowdedGame(benchmark::State& state) {
  PlayUpdate(state, 101, 101, 101);
}

}  // namespace

// Targets on this machine: under 5 microseconds typical, under 50 crowded.
BENCHMARK(TypicalGame)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(CrowdedGame)->UseManualTime()->Unit(benchmark::kMicrosecond);

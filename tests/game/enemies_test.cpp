// Enemies through real updates: the hit test of the shots, the fall of a shot enemy and its
// three ends (the trail, the bottom edge, the ship), the spawn pacing and its growth, the
// random order of a new enemy, the bounded search for a free spot and the pause that freezes
// them.
#include <gtest/gtest.h>

#include <AL/al.h>

#include <cmath>
#include <cstdint>

#include "framework/app_globals.h"
#include "support/game_driver.h"
#include "support/play_session.h"

namespace {

constexpr int kEnemyImage = 1;
constexpr int kExplosionImage = 2;

// The reference generator and RandomInt, in single precision.
struct Generator {
  std::uint32_t seed;
  float Unit() {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<float>((seed >> 8) & 0xFFFFFFu) / 16777216.0f;
  }
  int Int(float low, float high) {
    const float u = Unit();
    const float top = high + 0.99f;
    const float span = top - low;
    return static_cast<int>(std::floor(low + span * u));
  }
};

}  // namespace

TEST(Enemies, AShotHitsOnlyStrictlyWithinSixteenUnits) {
  struct Case {
    float dx, dy;
    bool hit;
  };
  for (const Case& c :
       {Case{16, 0, false}, Case{15.9f, 0, true}, Case{0, -16, false}, Case{-15.9f, 15.9f, true}}) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    GameDriver game;
    StartQuietGame(game);
    c_MyApp& app = game.app();
    float* enemy = PlaceEnemy(app, 0, 100, 100);
    const float* shot = PlaceShot(app, 0, 100 + c.dx, 100 + c.dy);
    game.RunUpdates(1);
    EXPECT_EQ(enemy[9], c.hit ? 1 : 0);
    EXPECT_EQ(app.score, c.hit ? 5 : 0);
    EXPECT_EQ(shot[0], c.hit ? 0 : 1);
    EXPECT_EQ(LiveRecords(app.sparks), c.hit ? 7 : 0);
    // A hit enemy starts falling in the same update.
    EXPECT_EQ(enemy[2], c.hit ? 100.05f : 100);
  }
}

TEST(Enemies, TwoShotsInOneUpdateCountTwice) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  PlaceEnemy(app, 0, 100, 100);
  PlaceShot(app, 0, 100, 100);
  PlaceShot(app, 1, 110, 95);
  const int cursor = app.sfxChannelCursor;
  game.RunUpdates(1);
  EXPECT_EQ(app.score, 10);
  EXPECT_EQ(LiveRecords(app.sparks), 14);
  EXPECT_EQ(app.sfxChannelCursor, cursor + 2);
  for (int channel : {cursor + 1, cursor + 2}) {
    float pitch = 0;
    alGetSourcef(g_audioDevice->channelRecords[channel].source, AL_PITCH, &pitch);
    EXPECT_GE(pitch, 0.8f);
    EXPECT_LT(pitch, 1.2f);
  }
}

TEST(Enemies, AFallingEnemySpeedsUpByATwentiethToThree) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  const float* enemy = PlaceEnemy(app, 0, 20, 0, true);
  float y = 0;
  for (int update = 1; update <= 80; ++update) {
    game.RunUpdates(1);
    const double speed = std::min(0.05 * update, 3.0);
    ASSERT_NEAR(enemy[4], speed, 1e-4) << update;
    ASSERT_NEAR(enemy[2] - y, enemy[4], 1e-4) << update;
    y = enemy[2];
  }
  // Drawn at half size with the explosion over it.
  ASSERT_EQ(ImagesOf(game, kEnemyImage).size(), 1u);
  EXPECT_EQ(ImagesOf(game, kEnemyImage)[0].width, 0.5f);
  EXPECT_EQ(ImagesOf(game, kExplosionImage).size(), 1u);
}

TEST(Enemies, AFallingEnemyEndsOnTheTrailTheBottomOrTheShip) {
  struct Case {
    const char* name;
    float dx, y;  // from the ship's x; y in the column, or 0 for just beside the ship
    int energyBefore;
    int energy, score;
    float flash;
    int sparks, sounds;
  };
  const Case cases[] = {
      {"caught by the trail", 0, 372, 100, 100, 10, 0, 10, 1},
      {"out at the bottom", -140, 512, 100, 99, 0, 0.3f, 0, 1},
      {"out at the bottom, low energy", -140, 512, 15, 14, 0, 0.3f, 0, 2},
      {"on the ship", 15, 360, 100, 90, 0, 0.8f, 17, 1},
      {"on the ship, low energy", -15, 360, 20, 10, 0, 0.8f, 17, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameDriver game;
    StartQuietGame(game);
    c_MyApp& app = game.app();
    game.RunUpdates(200);  // the trail settles under the ship
    for (int i = 0; i < 101; ++i) Record(app.shots, i)[0] = 0;
    app.energy = c.energyBefore;
    const float* enemy = PlaceEnemy(app, 0, app.shipX + c.dx, c.y, true);
    const int cursor = app.sfxChannelCursor;
    game.RunUpdates(1);
    EXPECT_EQ(enemy[0], 0);
    EXPECT_EQ(app.energy, c.energy);
    EXPECT_EQ(app.score, c.score);
    EXPECT_EQ(app.damageFlash, c.flash);
    EXPECT_EQ(LiveRecords(app.sparks), c.sparks);
    EXPECT_EQ(app.sfxChannelCursor, cursor + c.sounds);
  }
}

TEST(Enemies, OnceTheShipIsDestroyedFallingEnemiesPassThroughButStillCostEnergy) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  game.RunUpdates(200);
  app.shipDestroyed = 1;
  const float* onShip = PlaceEnemy(app, 0, app.shipX, app.shipY, true, 2);
  const float* onTrail = PlaceEnemy(app, 1, app.shipX, app.shipY + 12, true, 2);
  game.RunUpdates(1);
  EXPECT_NE(onShip[0], 0);
  EXPECT_NE(onTrail[0], 0);
  EXPECT_EQ(app.energy, 100);
  EXPECT_EQ(app.score, 0);
  game.RunUpdates(80);
  EXPECT_EQ(onShip[0], 0);
  EXPECT_EQ(onTrail[0], 0);
  EXPECT_EQ(app.energy, 98);
}

TEST(Enemies, NoneArrivesWhileAsManyAsAllowedArePresentFallingOnesIncluded) {
  GameDriver game;
  StartPlaying(game);  // four allowed, the first due at once
  c_MyApp& app = game.app();
  PlaceEnemy(app, 0, 20, 50);
  PlaceEnemy(app, 1, 60, 50);
  PlaceEnemy(app, 2, 260, 50);
  const float* falling = PlaceEnemy(app, 3, 20, 400, true);
  int updates = 0;
  while (falling[0] != 0) {
    game.RunUpdates(1);
    ASSERT_EQ(LiveRecords(app.enemies), falling[0] != 0 ? 4 : 3);
    ASSERT_LT(++updates, 100);
  }
  EXPECT_EQ(app.spawnTimer, 0);
  EXPECT_EQ(app.energy, 99);
  game.RunUpdates(1);
  EXPECT_EQ(LiveRecords(app.enemies), 4);
  const float* arrived = Record(app.enemies, 100);
  EXPECT_GT(arrived[0], 0);
  EXPECT_LE(arrived[2], -64);
  EXPECT_GE(arrived[2], -128);
  EXPECT_EQ(app.spawnTimer, 30);
}

TEST(Enemies, OneMoreIsAllowedAfterTheEleventhArrivalAndThenEverySixth) {
  GameDriver game;
  StartPlaying(game);
  c_MyApp& app = game.app();
  int arrivals = 0;
  int lastArrival = 0;
  for (int update = 1; arrivals < 24; ++update) {
    // Whatever arrived is taken away again, so that the next one may come.
    for (int i = 0; i < 101; ++i) Record(app.enemies, i)[0] = 0;
    game.RunUpdates(1);
    if (LiveRecords(app.enemies) == 0) continue;
    ++arrivals;
    SCOPED_TRACE(arrivals);
    EXPECT_EQ(update - lastArrival, arrivals == 1 ? 1 : 31);
    lastArrival = update;
    const int growths = (arrivals >= 11) + (arrivals >= 17) + (arrivals >= 23);
    EXPECT_EQ(app.maxEnemies, 4 + growths);
  }
}

TEST(Enemies, ANewEnemyDrawsItsRandomNumbersInOrder) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  g_randomSeed = 777;
  Generator reference{777};
  app.SpawnEnemy();
  const float* enemy = Record(app.enemies, 100);
  EXPECT_EQ(enemy[1], reference.Int(32, 288));
  EXPECT_EQ(enemy[2], -reference.Int(64, 128));
  EXPECT_EQ(enemy[3], reference.Int(8, 312));  // a free spot at the first try
  EXPECT_EQ(enemy[4], reference.Int(16, 208));
  const int row = reference.Int(0, 3);
  EXPECT_EQ(enemy[0], row * 16 + reference.Int(1, 8));
  EXPECT_EQ(enemy[5], reference.Int(180, 360));
  EXPECT_EQ(enemy[6], reference.Int(190, 360));
  EXPECT_EQ(enemy[7], reference.Int(0, 360));
  EXPECT_EQ(enemy[8], reference.Unit() * 5.5f + 0.5f);
  EXPECT_EQ(enemy[9], 0);
  EXPECT_EQ(g_randomSeed, reference.seed);
}

TEST(Enemies, FindFreeSpotTakesTheFiftyFirstSpotWhenTheAreaIsFull) {
  struct Case {
    const char* name;
    bool crowded;
    int draws;
  };
  for (const Case& c : {Case{"empty", false, 2}, Case{"crowded", true, 102}}) {
    SCOPED_TRACE(c.name);
    GameDriver game;
    StartQuietGame(game);
    c_MyApp& app = game.app();
    // Targets 40 apart cover every spot of the hovering area within 24 units.
    int slot = 0;
    for (int x = 20; x <= 300 && c.crowded; x += 40) {
      for (int y = 30; y <= 190; y += 40) PlaceEnemy(app, slot++, x, y);
    }
    app.spotOwner = 100;
    const std::uint32_t before = g_randomSeed;
    app.FindFreeSpot();
    EXPECT_EQ(GeneratorSteps(before, g_randomSeed), c.draws);
    EXPECT_GE(app.spotX, 8);
    EXPECT_LE(app.spotX, 312);
    EXPECT_GE(app.spotY, 16);
    EXPECT_LE(app.spotY, 208);
  }
}

TEST(Enemies, EnemiesStandStillWhileThePanelIsOpenButAreDrawnAndStillArrive) {
  GameDriver game;
  StartQuietGame(game);
  c_MyApp& app = game.app();
  float* hovering = PlaceEnemy(app, 0, 100, 100);
  hovering[3] = 150;  // heading for another spot
  hovering[6] = 3;    // about to pick a new one
  const float* falling = PlaceEnemy(app, 1, 20, 100, true);
  game.KeyDown(27);
  game.RunUpdates(1);
  game.KeyUp(27);
  ASSERT_EQ(app.menuOpen, 1);
  app.maxEnemies = 3;
  const std::vector<float> before(app.enemies, app.enemies + 20);
  PlaceShot(app, 0, hovering[1], hovering[2]);
  game.RunUpdates(10);
  EXPECT_EQ(std::vector<float>(app.enemies, app.enemies + 20), before);
  EXPECT_EQ(falling[9], 1);
  EXPECT_EQ(app.score, 0);
  EXPECT_EQ(ImagesOf(game, kEnemyImage).size(), 3u);
  // The newcomer waits above the column until the panel closes.
  const float* newcomer = Record(app.enemies, 100);
  ASSERT_GT(newcomer[0], 0);
  const float waiting = newcomer[2];
  game.RunUpdates(5);
  EXPECT_EQ(newcomer[2], waiting);
  EXPECT_LT(waiting, 0);
}

// Helpers for tests of the play field: a game started the way a player starts it, and direct
// access to the records of the shot, enemy and spark pools for placing objects where a test
// needs them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "support/game_driver.h"

// Starts a game with the fire key on the title screen. The game is then in state 10 and its
// first play update has not run yet.
inline void StartPlaying(GameDriver& game) {
  game.Start();
  game.FinishLoading();
  game.RunUpdates(1);
  game.KeyDown(32);
  game.RunUpdates(1);
  game.KeyUp(32);
  game.RunUpdates(1);
  ASSERT_EQ(game.app().gameState, 10);
}

// A started game in which no enemy arrives unless the test places it.
inline void StartQuietGame(GameDriver& game) {
  StartPlaying(game);
  game.app().maxEnemies = 0;
}

// A key held over one update, then released over the next.
inline void HoldKey(GameDriver& game, int code) {
  game.KeyDown(code);
  game.RunUpdates(1);
  game.KeyUp(code);
  game.RunUpdates(1);
}

inline float* Record(float* pool, int index) {
  return pool + 10 * index;
}

inline int LiveRecords(const float* pool) {
  int live = 0;
  for (int i = 0; i < 101; ++i) live += pool[10 * i] != 0 ? 1 : 0;
  return live;
}

// A hovering enemy that stays on its spot, or one that has been shot and falls.
inline float* PlaceEnemy(c_MyApp& app, int slot, float x, float y, bool falling = false,
                         float fallSpeed = 0) {
  float* enemy = Record(app.enemies, slot);
  const float record[10] = {1,   x,     y, x, falling ? fallSpeed : y,
                            300, 10000, 0, 1, falling ? 1.0f : 0.0f};
  std::copy(record, record + 10, enemy);
  return enemy;
}

// A shot flying straight up that reaches (x, y) with its next move.
inline float* PlaceShot(c_MyApp& app, int slot, float x, float y) {
  float* shot = Record(app.shots, slot);
  const float record[10] = {1, x, y + 6, 0, -6, 90, 0, 0, 0, 0};
  std::copy(record, record + 10, shot);
  return shot;
}

inline std::vector<DrawCommand> ImagesOf(const GameDriver& game, int id) {
  std::vector<DrawCommand> images;
  for (const DrawCommand& command : game.DrawCommands()) {
    if (command.IsImage(id)) images.push_back(command);
  }
  return images;
}

// How many steps of the shared generator lead from one seed to the other (up to a limit).
inline int GeneratorSteps(std::uint32_t from, std::uint32_t to) {
  for (int steps = 0; steps < 100000; ++steps) {
    if (from == to) return steps;
    from = from * 1664525u + 1013904223u;
  }
  return -1;
}

// The fields of the saved-state string, cut at every "|".
inline std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == '|') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

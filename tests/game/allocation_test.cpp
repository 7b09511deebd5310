// A running game allocates nothing: this executable counts every heap allocation made on the
// game's thread while a busy game runs a thousand updates (the devices' own threads, such as
// the audio mixer, are not counted).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "support/game_driver.h"
#include "support/play_session.h"

namespace {

thread_local bool counting = false;
std::atomic<long> allocations{0};

void* CountedAllocation(std::size_t size) {
  if (counting) ++allocations;
  void* memory = std::malloc(size == 0 ? 1 : size);
  if (!memory) throw std::bad_alloc();
  return memory;
}

}  // namespace

void* operator new(std::size_t size) {
  return CountedAllocation(size);
}
void* operator new[](std::size_t size) {
  return CountedAllocation(size);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}

// C allocations too (the audio library and the C runtime), except under the address sanitizer,
// which owns malloc itself.
#if !defined(__SANITIZE_ADDRESS__)
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);

void* malloc(std::size_t size) {
  if (counting) ++allocations;
  return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
  if (counting) ++allocations;
  return __libc_calloc(count, size);
}
void* realloc(void* memory, std::size_t size) {
  if (counting) ++allocations;
  return __libc_realloc(memory, size);
}
}
#endif

TEST(Allocations, ABusyGameRunsAThousandUpdatesWithoutAllocating) {
  // The counter itself works.
  counting = true;
  int* volatile probe = new int(1);
  delete probe;
  counting = false;
  ASSERT_GT(allocations, 0);

  GameDriver game;
  StartPlaying(game);
  c_MyApp& app = game.app();
  app.energy = 1000000;  // the game must not end in between
  app.maxEnemies = 40;
  game.MouseDown(320, 300);
  game.RunUpdates(300);  // enemies arrive, get shot, fall and burst into sparks
  // Input events count too: they reach the game between its updates.
  const long before = allocations;
  counting = true;
  for (int round = 0; round < 10; ++round) {  // 100 updates each
    // Drag the ship across the column and back.
    game.MouseMove(round % 2 == 0 ? 200.0f : 440.0f, 300);
    game.RunUpdates(40);
    // Open and close the pause panel, with a touch on its speed row.
    HoldKey(game, 27);
    game.RunUpdates(20);
    game.MouseMove(350, 430);
    game.RunUpdates(10);
    HoldKey(game, 27);
    game.RunUpdates(26);
    game.MouseMove(320, 300);
  }
  counting = false;
  EXPECT_EQ(allocations - before, 0);
  EXPECT_GT(app.score, 0);
  EXPECT_GT(LiveRecords(app.sparks), 0);
}

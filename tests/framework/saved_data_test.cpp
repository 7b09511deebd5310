// Saved game data through the real saved-state file: the string a new install writes, the
// checksum of each block, the repairs, the load messages, and what odd fields read as.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "framework/app_globals.h"
#include "support/game_driver.h"

namespace {

// The 98 fields a new install saves: settings with their defaults and checksum, then zeros.
std::vector<std::string> NewInstallFields() {
  std::vector<std::string> fields(98, "0");
  fields[1] = "4";    // moveSpeed
  fields[2] = "3";    // backgroundBlur
  fields[5] = "1";    // soundOn
  fields[10] = "64";  // dpadX
  fields[11] = "64";  // dpadBottom
  fields[12] = "10";  // dpadSize
  fields[25] = "1479";
  return fields;
}

std::string Join(const std::vector<std::string>& fields) {
  std::string text;
  for (const std::string& field : fields) text += field + "|";
  return text;
}

// Field index of a table's first value and of its checksum.
constexpr int TableStart(int table) {
  return 35 + 21 * table;
}
constexpr int TableChecksum(int table) {
  return TableStart(table) + 20;
}

// Starts a game over a state file holding `text`, capturing what the load prints.
std::string StartWithStateFile(GameDriver& game, const std::string& text) {
  game.WriteStateFile(text);
  testing::internal::CaptureStdout();
  game.Start();
  return testing::internal::GetCapturedStdout();
}

const char* const kAllLoaded =
    "Settings Loaded\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Loaded\nHighscore 2 "
    "Loaded\n";

void ExpectDefaultSettings(const c_MyApp& app) {
  const int expected[25] = {0, 4, 3, 0, 0, 1, 0, 0, 0, 0, 64, 64, 10};
  for (int i = 0; i < 25; ++i) EXPECT_EQ(app.settings[i], expected[i]) << "setting " << i;
}

}  // namespace

TEST(SavedData, NewInstallLoadsDefaultsSilentlyAndSavesTheKnownString) {
  GameDriver game;
  testing::internal::CaptureStdout();
  game.Start();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  ExpectDefaultSettings(game.app());
  for (bool badge : game.app().badges) EXPECT_FALSE(badge);
  for (int score : game.app().highscores) EXPECT_EQ(score, 0);

  game.app().SaveGameData();
  const std::string expected =
      "0|4|3|0|0|1|0|0|0|0|64|64|10|0|0|0|0|0|0|0|0|0|0|0|0|1479|" + Join({72, "0"});
  EXPECT_EQ(game.ReadStateFile(), expected);
  EXPECT_EQ(game.ReadStateFile(), Join(NewInstallFields()));
}

TEST(SavedData, EachBlockIsCheckedOnItsOwn) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, std::string>> changes;
    std::string messages;
    std::vector<std::pair<int, int>> settings;    // index, value after loading
    std::vector<std::pair<int, int>> highscores;  // index, value after loading
  };
  // Every case starts from scores in all three tables: 500 on top of table 0, 900 on top of
  // table 1 with 60 as its third-latest score, 300 on top of table 2.
  const std::vector<std::pair<int, std::string>> scores = {
      {TableStart(0), "500"},    {TableChecksum(0), "2000"}, {TableStart(1), "900"},
      {TableStart(1) + 5, "60"}, {TableChecksum(1), "3960"}, {TableStart(2), "300"},
      {TableChecksum(2), "1200"}};
  const Case cases[] = {
      {"everything valid", {}, kAllLoaded, {{1, 4}}, {{0, 500}, {10, 900}, {42, 60}, {20, 300}}},
      {"settings checksum wrong",
       {{1, "6"}},
       "Settings Checksum Invalid\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Loaded\n"
       "Highscore 2 Loaded\n",
       {{1, 4}, {2, 3}, {5, 1}, {10, 64}, {12, 10}},
       {{0, 500}, {10, 900}, {20, 300}}},
      {"one recent score of table 1 changed",
       {{TableStart(1) + 5, "70"}},
       "Settings Loaded\nBadges Loaded\nHighscore 0 Loaded\nHighscore 1 Checksum Invalid\n"
       "Highscore 2 Loaded\n",
       {},
       {{0, 500}, {10, 0}, {42, 0}, {20, 300}}},
      {"settings index 0 is not protected", {{0, "77"}}, kAllLoaded, {{0, 77}}, {}},
      {"move speed 9 is kept", {{1, "9"}, {25, "1484"}}, kAllLoaded, {{1, 9}}, {}},
      {"move speed 10 is repaired", {{1, "10"}, {25, "1485"}}, kAllLoaded, {{1, 4}}, {}},
      {"settings out of range are repaired",
       {{2, "0"}, {10, "63"}, {11, "-5"}, {12, "7"}, {25, "668"}},
       kAllLoaded,
       {{2, 3}, {10, 64}, {11, 64}, {12, 10}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> fields = NewInstallFields();
    for (const auto& [index, value] : scores) fields[index] = value;
    for (const auto& [index, value] : c.changes) fields[index] = value;
    GameDriver game;
    EXPECT_EQ(StartWithStateFile(game, Join(fields)), c.messages);
    for (const auto& [index, value] : c.settings) EXPECT_EQ(game.app().settings[index], value);
    for (const auto& [index, value] : c.highscores) EXPECT_EQ(game.app().highscores[index], value);
  }
}

TEST(SavedData, BadgeThirtyOneIsANegativeWordThatSurvivesLoadAndSave) {
  std::vector<std::string> fields = NewInstallFields();
  fields[26] = "-2147483648";
  fields[34] = "-2147483648";
  const std::string text = Join(fields);
  GameDriver game;
  EXPECT_EQ(StartWithStateFile(game, text), kAllLoaded);
  for (int badge = 0; badge < 256; ++badge) EXPECT_EQ(game.app().badges[badge], badge == 31);
  game.app().SaveGameData();
  EXPECT_EQ(game.ReadStateFile(), text);
}

TEST(SavedData, AShortStringSkipsTheSettingsAndLooksForBadgesAtTheStart) {
  // Nine fields: badge words 5, 0, ... and their checksum 5; no settings block.
  GameDriver game;
  EXPECT_EQ(StartWithStateFile(game, "5|0|0|0|0|0|0|0|5|"), "Badges Loaded\n");
  ExpectDefaultSettings(game.app());
  for (int badge = 0; badge < 256; ++badge) {
    EXPECT_EQ(game.app().badges[badge], badge == 0 || badge == 2);
  }
}

TEST(SavedData, OddFieldsReadLikeAtoiAndOutOfRangeNumbersSaturate) {
  std::vector<std::string> fields = NewInstallFields();
  fields[0] = "99999999999";   // beyond the range: the largest int (weight 0)
  fields[1] = " \t+7 apples";  // white space, a sign, digits up to the first non-digit
  fields[3] = "-99999999999";  // below the range: the smallest int
  fields[4] = "\xC4\xB7";      // U+0137, whose low 8 bits are the digit 7
  fields[6] = "abc";           // no digits: 0
  fields[7] = "";
  // 7 + 2*3 + 3*(-2^31) + 4*7 + 5*1 + 10*64 + 11*64 + 12*10, wrapped to 32 bits.
  fields[25] = "-2147482138";
  GameDriver game;
  EXPECT_EQ(StartWithStateFile(game, Join(fields)), kAllLoaded);
  const c_MyApp& app = game.app();
  EXPECT_EQ(app.settings[0], INT_MAX);
  EXPECT_EQ(app.settings[1], 7);
  EXPECT_EQ(app.settings[3], INT_MIN);
  EXPECT_EQ(app.settings[4], 7);
  EXPECT_EQ(app.settings[6], 0);
  EXPECT_EQ(app.settings[7], 0);
}

TEST(SavedData, GarbageLoadsNothingAndKeepsTheDefaults) {
  for (const char* text : {"", "hello world", "|||", "1|2|3"}) {
    SCOPED_TRACE(text);
    GameDriver game;
    EXPECT_EQ(StartWithStateFile(game, text), "");
    ExpectDefaultSettings(game.app());
  }
}

TEST(SavedData, DebugStatePrintsTheStringOnLoadAndOnSave) {
  const std::string text = Join(NewInstallFields());
  GameDriver game;
  g_debugState = 1;
  EXPECT_EQ(StartWithStateFile(game, text), text + "\n" + kAllLoaded);
  game.app().settings[1] = 6;
  testing::internal::CaptureStdout();
  game.app().SaveGameData();
  const std::string saved = game.ReadStateFile();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), saved + "\n");
  EXPECT_EQ(saved.substr(0, 4), "0|6|");
}

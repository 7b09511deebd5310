// The game's persistent data: 25 settings, 256 badge flags and three highscore tables, kept
// in the saved-state string as 98 decimal fields, each followed by "|", with one checksum per
// block. Loading checks every block on its own, clears a block whose checksum fails and
// repairs settings that are out of range.
#include <climits>
#include <cstdint>
#include <vector>

#include "framework/app_globals.h"
#include "game/my_app.h"
#include "host/diagnostics.h"
#include "host/saved_state.h"

namespace {

constexpr int kSettingCount = 25;
constexpr int kBadgeWords = 8;
constexpr int kTableCount = 3;

// Checksums are sums with 32-bit wrap-around.
class Checksum {
 public:
  void Add(int weight, int value) {
    sum += static_cast<std::uint32_t>(weight) * static_cast<std::uint32_t>(value);
  }
  int Value() const { return static_cast<int>(sum); }

 private:
  std::uint32_t sum = 0;
};

bool IsCSpace(unsigned char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// A field read like C atoi after cutting each code unit to its low 8 bits: leading white
// space, an optional sign, then digits up to the first non-digit; no digits read as 0. A
// value beyond the 32-bit range reads as the nearest 32-bit value (2147483647 or
// -2147483648), the way strtol saturates.
int ReadNumber(const char16_t* field, int length) {
  int i = 0;
  while (i < length && IsCSpace(static_cast<unsigned char>(field[i] & 0xFF))) ++i;
  bool negative = false;
  if (i < length) {
    const unsigned char sign = field[i] & 0xFF;
    if (sign == '+' || sign == '-') {
      negative = sign == '-';
      ++i;
    }
  }
  // Magnitude kept within 2^31 so that the saturation point is exact in both directions.
  std::int64_t magnitude = 0;
  for (; i < length; ++i) {
    const unsigned char c = field[i] & 0xFF;
    if (c < '0' || c > '9') break;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > 2147483648LL) magnitude = 2147483648LL;
  }
  if (negative) return static_cast<int>(-magnitude);
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

// The saved-state string cut at every "|": n separators give n + 1 fields.
class FieldList {
 public:
  explicit FieldList(const String& text) : text(text) {
    int start = 0;
    for (int i = 0; i < text.Length(); ++i) {
      if (text[i] == u'|') {
        bounds.push_back({start, i});
        start = i + 1;
      }
    }
    bounds.push_back({start, text.Length()});
  }

  int Count() const { return static_cast<int>(bounds.size()); }
  int Number(int index) const {
    const Bounds& field = bounds[static_cast<size_t>(index)];
    return ReadNumber(text.Data() + field.begin, field.end - field.begin);
  }

 private:
  struct Bounds {
    int begin;
    int end;
  };
  const String& text;
  std::vector<Bounds> bounds;
};

int& TopScore(c_MyApp& app, int table, int rank) {
  return app.highscores[table * kScoreTableRows + rank];
}

int& RecentScore(c_MyApp& app, int table, int rank) {
  return app.highscores[kRecentScoresBase + table * kScoreTableRows + rank];
}

void ClearSettings(c_MyApp& app) {
  for (int& value : app.settings) value = 0;
  app.settings[soundOn] = 1;
}

void RepairSettings(c_MyApp& app) {
  int* settings = app.settings;
  if (settings[moveSpeed] < 1 || settings[moveSpeed] > 9) settings[moveSpeed] = 4;
  if (settings[backgroundBlur] < 1 || settings[backgroundBlur] > 9) settings[backgroundBlur] = 3;
  if (settings[dpadX] < 64) settings[dpadX] = 64;
  if (settings[dpadBottom] < 64) settings[dpadBottom] = 64;
  if (settings[dpadSize] < 8) settings[dpadSize] = 10;
}

int BadgeWord(const c_MyApp& app, int word) {
  std::uint32_t bits = 0;
  for (int b = 0; b < 32; ++b) {
    if (app.badges[word * 32 + b]) bits |= 1u << b;
  }
  return static_cast<int>(bits);
}

void LoadSettings(c_MyApp& app, const FieldList& fields, int& cursor) {
  Checksum sum;
  for (int i = 0; i < kSettingCount; ++i) {
    app.settings[i] = fields.Number(i);
    sum.Add(i, app.settings[i]);
  }
  cursor = kSettingCount;
  const int stored = fields.Number(cursor);
  cursor += 1;
  if (stored == sum.Value()) {
    PrintLine("Settings Loaded");
  } else {
    PrintLine("Settings Checksum Invalid");
    ClearSettings(app);
  }
}

void LoadBadges(c_MyApp& app, const FieldList& fields, int& cursor) {
  Checksum sum;
  for (int k = 0; k < kBadgeWords; ++k) {
    const auto word = static_cast<std::uint32_t>(fields.Number(cursor + k));
    for (int b = 0; b < 32; ++b) app.badges[k * 32 + b] = ((word >> b) & 1u) != 0;
    sum.Add(1, static_cast<int>(word));
  }
  cursor += kBadgeWords;
  const int stored = fields.Number(cursor);
  cursor += 1;
  if (stored == sum.Value()) {
    PrintLine("Badges Loaded");
  } else {
    PrintLine("Badge Checksum Invalid");
    for (bool& badge : app.badges) badge = false;
  }
}

void LoadTable(c_MyApp& app, const FieldList& fields, int& cursor, int table) {
  Checksum sum;
  for (int r = 0; r < kScoreTableRows; ++r) {
    TopScore(app, table, r) = fields.Number(cursor + 2 * r);
    RecentScore(app, table, r) = fields.Number(cursor + 2 * r + 1);
    sum.Add(r + 4, TopScore(app, table, r));
    sum.Add(r + table + 3, RecentScore(app, table, r));
  }
  cursor += 2 * kScoreTableRows;
  const int stored = fields.Number(cursor);
  cursor += 1;
  const String name = String("Highscore ") + table;
  if (stored == sum.Value()) {
    PrintLine(name + String(" Loaded"));
  } else {
    PrintLine(name + String(" Checksum Invalid"));
    for (int r = 0; r < kScoreTableRows; ++r) {
      TopScore(app, table, r) = 0;
      RecentScore(app, table, r) = 0;
    }
  }
}

}  // namespace

void c_MyApp::SaveGameData() {
  StringBuilder text;
  Checksum sum;
  for (int i = 0; i < kSettingCount; ++i) {
    text.Append(settings[i]);
    text.Append(u'|');
    sum.Add(i, settings[i]);
  }
  text.Append(sum.Value());
  text.Append(u'|');
  sum = Checksum();
  for (int k = 0; k < kBadgeWords; ++k) {
    const int word = BadgeWord(*this, k);
    text.Append(word);
    text.Append(u'|');
    sum.Add(1, word);
  }
  text.Append(sum.Value());
  text.Append(u'|');
  for (int t = 0; t < kTableCount; ++t) {
    sum = Checksum();
    for (int r = 0; r < kScoreTableRows; ++r) {
      text.Append(TopScore(*this, t, r));
      text.Append(u'|');
      text.Append(RecentScore(*this, t, r));
      text.Append(u'|');
      sum.Add(r + 4, TopScore(*this, t, r));
      sum.Add(r + t + 3, RecentScore(*this, t, r));
    }
    text.Append(sum.Value());
    text.Append(u'|');
  }
  const String saved = text.ToString();
  if (g_debugState == 1) PrintLine(saved);
  SaveAppState(saved);
}

void c_MyApp::LoadGameData() {
  const String saved = LoadAppState();
  const FieldList fields(saved);
  if (g_debugState == 1) PrintLine(saved);
  int cursor = 0;
  // Each block is taken only when its checksum field lies inside the list; a skipped block
  // leaves the cursor where it was.
  if (fields.Count() >= kSettingCount + 1) LoadSettings(*this, fields, cursor);
  RepairSettings(*this);
  if (cursor + kBadgeWords < fields.Count()) LoadBadges(*this, fields, cursor);
  for (int t = 0; t < kTableCount; ++t) {
    if (cursor + 2 * kScoreTableRows < fields.Count()) LoadTable(*this, fields, cursor, t);
  }
}

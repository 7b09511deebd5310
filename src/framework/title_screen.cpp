// The title screen (game state 1) with its two score tables, the sound switch, the start and
// credits buttons; the entry of a finished game's score into the tables, and its rank label.
#include <algorithm>

#include "framework/app_globals.h"
#include "framework/game_math.h"
#include "game/game_ids.h"
#include "game/my_app.h"

namespace {

// The number of score rows that fit in the side panel's half of the screen, 1 to 10.
int VisibleRows(const c_MyApp& app, float height) {
  const int rowHeight =
      TruncToInt(static_cast<float>(app.imageInfo[app.fontImageId * 3 + 1]) * app.drawScaleY);
  const int available = TruncToInt(height - 90 - height * 0.5f);
  const int rows = rowHeight > 0 ? available / rowHeight : kScoreTableRows;
  return std::clamp(rows, 1, kScoreTableRows);
}

// "Top 10" (or "Highscore" for a single row) over the rows, one score per line.
String ScoreText(c_MyApp& app, const char* title, const char* singleTitle, const int* scores,
                 int rows) {
  String text = rows == 1 ? String(singleTitle) : String(title) + rows;
  for (int i = 0; i < rows; ++i) text = text + String("\\n") + app.PadNumber(scores[i], 11, " ");
  return text;
}

void StartGame(c_MyApp& app) {
  app.gameState = kNewGameState;
  app.touchLatch = 1;
  app.controlLatch = 1;
}

}  // namespace

void c_MyApp::UpdateTitleScreen() {
  const float width = g_screenWidth;
  const float height = g_screenHeight;
  BeginDrawList(0, 0, 80, 1);
  if (titleSlide < 0) titleSlide = TruncToInt(static_cast<float>(titleSlide) + 0.25f);
  const auto slide = static_cast<float>(titleSlide);
  const int table = (gameMode - 1) * kScoreTableRows;

  ResetDrawState();
  SetDrawScale(4);
  DrawCommandImage(kBackdropImage, width / 2, height / 2 + 16 * slide, 0);
  SetDrawScale(2);
  SetDrawAlpha(1);
  DrawCommandImage(kLogoImage, 0.4f * width, 0.3f * height + 12 * slide, 0);
  SetDrawColor(0, 0, 0, 0.4f);
  const float panelX = width - 140 - 4 * slide;
  DrawCommandRect(panelX, 0, 140, height);

  ResetDrawState();
  SetDrawScale(2);
  SetDrawColor(50, 250, 50, 1);
  const int soundFrame = settings[soundOn] == 0 ? kSoundOffFrame : kSoundOnFrame;
  const bool touchedSound =
      landscape == 1 ? ImageButton(kIconImage, 32 + 4 * slide,
                                   static_cast<float>(TruncToInt(height / 2)), soundFrame)
                     : ImageButton(kIconImage, static_cast<float>(TruncToInt(width / 2)),
                                   32 + 4 * slide, soundFrame);
  if (touchedSound && touchLatch == 0) {
    settings[soundOn] = 1 - settings[soundOn];
    if (settings[soundOn] < 0 || settings[soundOn] > 1) settings[soundOn] = 0;
    touchLatch = 1;
    PlaySfx(kClickSound, 1, 0.5f, 0);
  }

  SetDrawColor(255, 200, 100, 1);
  SetDrawScale(1.5f);
  const int rows = VisibleRows(*this, height);
  const String topText = ScoreText(*this, "Top ", "Highscore", highscores + table, rows);
  if (creditsOpen == 0) DrawBitmapText(panelX + 20, 60, topText, 0, 0);
  SetDrawColor(200, 255, 100, 1);
  SetDrawScale(1.5f);
  const String recentText =
      ScoreText(*this, "Last ", "Last", highscores + kRecentScoresBase + table, rows);
  if (creditsOpen == 0) DrawBitmapText(panelX + 20, height / 2 + 20, recentText, 0, 0);

  ResetDrawState();
  SetDrawScale(1.5f);
  SetDrawAlpha(1);
  const bool touchedStart =
      landscape == 1 ? ImageButton(kButtonsImage, 0.4f * width, 0.7f * height - 12 * slide, 1)
                     : ImageButton(kButtonsImage, 0.3f * width, 0.65f * height - 12 * slide, 1);
  if (touchedStart && touchLatch == 0 && creditsOpen == 0) {
    StartGame(*this);
    gameMode = 2;
    PlaySfx(kClickSound, 1, 0.5f, 0);
  }
  ResetDrawState();
  // The title screen always plays mode 2.
  gameMode = 2;

  // The four fire controls start a game too. Eight numbers from the first fire control on are
  // asked for; the four after the fire controls are never held.
  bool fire = false;
  for (int control = kFire1Control; control < kFire1Control + 8; ++control) {
    fire = fire || IsControlDown(control) != 0;
  }
  if (fire && controlLatch == 0 && creditsOpen == 0) {
    StartGame(*this);
    PlaySfx(kClickSound, 1, 0.5f, 0);
  }

  ResetDrawState();
  SetDrawScale(0.5f);
  if (ImageButton(kStudioLogoImage, width - 70, height - 40 - 4 * slide, 0) && touchLatch == 0 &&
      creditsOpen == 0) {
    touchLatch = 1;
    PlaySfx(kWhooshSound, 1, 1, 0);
    creditsOpen = 1;
  }
}

void c_MyApp::InsertHighscore() {
  int* top = highscores + (gameMode - 1) * kScoreTableRows;
  int* recent = highscores + kRecentScoresBase + (gameMode - 1) * kScoreTableRows;
  // Strictly greater: a tie goes below the scores it ties with.
  for (int p = 0; p < kScoreTableRows; ++p) {
    if (score > top[p]) {
      std::copy_backward(top + p, top + kScoreTableRows - 1, top + kScoreTableRows);
      top[p] = score;
      break;
    }
  }
  std::copy_backward(recent, recent + kScoreTableRows - 1, recent + kScoreTableRows);
  recent[0] = score;
  SaveGameData();
}

String c_MyApp::RankLabel() {
  static const char* const kLabels[kScoreTableRows] = {"1st!", "2nd", "3rd", "4th", "5th",
                                                       "6th",  "7th", "8th", "9th", "10th"};
  const int* top = highscores + (gameMode - 1) * kScoreTableRows;
  for (int i = 0; i < kScoreTableRows; ++i) {
    if (score >= top[i]) return kLabels[i];
  }
  return String();
}

// The score and energy display at the top of the play field, the check that destroys the ship
// once its energy is used up, and the game-over overlay that ends the game 90 updates later
// and fades out over the title screen.
#include <algorithm>
#include <cstdlib>

#include "framework/app_globals.h"
#include "game/game_ids.h"
#include "game/my_app.h"
#include "game/play_steps.h"

namespace {

// The overlay's length in updates, and where its fade over the title screen starts.
constexpr int kGameOverLength = 90;
constexpr int kFadeStart = 75;
constexpr int kFadeStep = 2;

// The displayed score closes a sixth of the gap per update and snaps once it is close.
void EaseShownScore(c_MyApp& app) {
  app.shownScore = app.shownScore - (app.shownScore - app.score) / 6;
  if (std::abs(app.shownScore - app.score) < 6) app.shownScore = app.score;
}

void DrawOverlay(c_MyApp& app, int t) {
  const float width = g_screenWidth;
  const float height = g_screenHeight;
  app.SetDrawColor(0, 0, 0, std::min(static_cast<float>(t) / 40, 0.7f));
  app.DrawCommandRect(-1, -1, width + 2, height + 2);
  const int bar = std::min(t * 12, TruncToInt(height * 0.45f));
  const auto barF = static_cast<float>(bar);
  app.ResetDrawState();
  app.SetDrawColor(255, 255, 0, 0.5f);
  app.DrawCommandRect(-1, height * 0.45f - 8, barF * 2, 16);
  app.SetDrawColor(255, 128, 0, 0.5f);
  app.DrawCommandRect(width - barF * 2, height * 0.55f - 8, barF * 2 + 1, 16);
  app.ResetDrawState();
  app.SetDrawScale(4);
  app.SetDrawColor(255, 180, 180, 1);
  app.DrawBitmapText(width * 0.35f, barF, "GAME", 1, 1);
  app.DrawBitmapText(width * 0.65f, height - barF, "OVER", 1, 1);
  const String rank = app.RankLabel();
  if (rank.IsEmpty()) return;
  app.SetDrawScale(1);
  app.SetDrawColor(0, 125, 255, 0.5f);
  app.DrawCommandRect(width * 0.35f, height - barF / 1.5f - 16, width * 0.3f, 32);
  app.SetDrawScale(2);
  app.SetDrawColor(100, 255, 100, 1);
  // The backslash-n pair is the font's line break; the spaces indent the second line.
  app.DrawBitmapText(width * 0.5f, height - barF / 1.5f,
                     String("New Highscore\\n           ") + rank, 0.5f, 2);
}

}  // namespace

void DrawScoreAndEnergy(c_MyApp& app) {
  EaseShownScore(app);
  app.SetDrawColor(100, 255, 100, 0.5f);
  app.SetDrawScale(2);
  app.DrawBitmapText(g_screenWidth * 0.5f, 32, app.PadNumber(app.shownScore, 8, "0"), 1, 1);
  app.SetDrawColor(255, 255, 255, 0.5f);
  app.SetDrawScale(2);
  app.DrawCommandImage(kHeartImage, g_screenWidth - 32, 32, 0);
  app.SetDrawScale(1.5f);
  // Energy 0 still flies; below it the ship is destroyed.
  int shown = app.energy;
  if (app.energy < 0) {
    shown = 0;
    app.shipDestroyed = 1;
  }
  app.DrawBitmapText(g_screenWidth - 32, 32, String(" ") + shown, 1, 1);
}

void c_MyApp::GameOverUpdate() {
  if (gameOverTimer > 0) DrawOverlay(*this, gameOverTimer);
  if (gameState == kPlayingState) {
    gameOverTimer += 1;
    if (gameOverTimer >= kGameOverLength) {
      gameState = kGameFinishedState;
      gameOverTimer = kFadeStart;
    }
  }
  // Also in the update that has just ended the game.
  if (gameState < kPlayingState) gameOverTimer = std::max(gameOverTimer - kFadeStep, 0);
}

// c_MyApp: the game. The one class that holds all game state: settings and highscores, the
// draw-command list, the image and sound banks, the screens around the play and the play
// itself. Every array has its fixed length from construction on; nothing is allocated per
// update.
#pragma once

#include "audio/sound.h"
#include "graphics/image.h"
#include "host/app.h"
#include "host/text.h"

// Indices into c_MyApp::settings that a feature reads or writes.
enum SettingIndex {
  moveSpeed = 1,       // pointer-movement multiplier of the ship, 1..8
  backgroundBlur = 2,  // 3 on, 8 off
  soundOn = 5,         // 1 sound effects play, 0 silent
  dpadX = 10,
  dpadBottom = 11,
  dpadSize = 12,
};

// `highscores` holds three top-ten tables, table gameMode - 1 for each game mode, and from
// kRecentScoresBase on three tables of the latest ten scores, newest first.
constexpr int kScoreTableRows = 10;
constexpr int kRecentScoresBase = 30;

// creditsSlide counts up to this while the credits open and back to 0 while they close.
constexpr int kCreditsSlideLength = 30;

// Image and sound ids run from 0 to kBankSize - 1.
constexpr int kBankSize = 100;

// Marks an absent optional argument or an absent value; also the rectangle command kind.
constexpr float kAbsent = -3717;

class c_MyApp : public c_App {
 public:
  c_MyApp();

  int HandleCreate() override;
  int HandleSuspend() override;
  int HandleResume() override;
  int HandleUpdate() override;
  int HandleRender() override;

  virtual void LoadImageSet(int id, const String& stem, int frameWidth, int frameHeight,
                            int frameCount, int flags);
  virtual void LoadFontImage(int id, const String& stem, int advance, int lineHeight);
  virtual void LoadBootAssets();
  virtual void LoadGameData();
  // The keyboard-mode switch: in this program it only switches text input off.
  virtual void SetKeyboardMode(int mode);
  virtual void SaveGameData();
  virtual int IsControlDown(int control);
  virtual void ResetDrawState();
  virtual void BeginDrawList(float r, float g, float b, float a);
  virtual void SetDrawScale(float sx, float sy = kAbsent);
  virtual void DrawCommandImage(int id, float x, float y, float frame);
  virtual void SetDrawAlpha(float a);
  virtual void SetDrawColor(float r, float g, float b, float a = kAbsent);
  virtual void DrawCommandRect(float x, float y, float w, float h);
  virtual int ImageButton(int imageId, float x, float y, int frame);
  virtual void PlaySfx(int soundId, float rate, float volume, float pan);
  virtual String PadNumber(int value, int width, const String& pad);
  virtual void DrawBitmapText(float x, float y, const String& text, float alignX, float alignY);
  virtual void UpdateTitleScreen();
  virtual void InsertHighscore();
  virtual void DrawCommandOval(float x, float y, float rx, float ry);
  virtual void DrawLoadingScreen();
  virtual void DrawCommandLine(float x1, float y1, float x2, float y2);
  virtual int RandomInt(float low, float high);
  virtual void SpawnSparks(float x, float y, int count);
  virtual void FindFreeSpot();
  virtual void SetDrawRotation(float angle);
  virtual void SpawnEnemy();
  virtual void PlayUpdate();
  virtual int RectButton(float x, float y, float w, float h);
  virtual void UpdateSettingsPanel();
  virtual void PlayPauseCheck();
  virtual void NewGame();
  virtual String RankLabel();
  virtual void GameOverUpdate();
  virtual void UpdateCredits();
  virtual void LoadSoundEffect(int id);
  virtual void LoadNextAsset();

  // Saved game data.
  int settings[25] = {};
  bool badges[256] = {};
  int highscores[150] = {};

  // Draw-command list and screen scaling.
  float clearRed = 0, clearGreen = 0, clearBlue = 0;
  float clearAlpha = 0;
  int deviceWidth = 0, deviceHeight = 0;
  int scaleMode = 0;
  int lastRenderMillis = 0;
  int fps = 0;
  int fpsSmoothed = 0;
  float scaleX = 0, scaleY = 0;
  int landscape = 0;
  int drawListLength = 0;
  float drawList[37500] = {};
  float drawScaleX = 0, drawScaleY = 0;
  float drawRotation = 0;
  float drawRed = 0, drawGreen = 0, drawBlue = 0;
  float drawAlpha = 0;
  int drawBlend = 0;

  // Start-up and asset loading.
  int gameState = 0;
  int hdLevel = 0;
  float imageScale = 0;
  Ref<c_Image> images[kBankSize];
  int imageInfo[3 * kBankSize] = {};  // frame width, height and count of each image
  int fontImageId = 0;
  int loadStep = 0;
  Ref<c_Sound> sounds[kBankSize];
  int sfxChannels[33] = {};
  int gameMode = 0;
  int spinnerAngle = 0;

  // Title screen, settings panel and credits.
  int titleSlide = 0;
  int creditsOpen = 0;
  int touchLatch = 0;
  int controlLatch = 0;
  int score = 0;
  int menuOpen = 0;
  int menuSlide = 0;
  int menuOffset = 0;
  int cursorRow = 0;
  int shipDestroyed = 0;
  int creditsSlide = 0;
  float creditsScroll = 0;
  int creditsLine = 0;
  int gridCols = 0, gridRows = 0;
  int foldOffset = 0;

  // Game states, the input snapshot and controls.
  int pointerX = 0, pointerY = 0;
  int prevPointerX = 0, prevPointerY = 0;
  int pointerWasDown = 0;
  int anyTouchDown = 0;
  int touchDown[10] = {};
  int touchX[10] = {}, touchY[10] = {};
  int sfxChannelCursor = 0;
  int lastUpdateMillis = 0, updateFps = 0, updateFpsSmoothed = 0;
  int backKeyPresses = 0;

  // Play field, ship, trail and shots.
  int playWidth = 0, playHeight = 0;
  float backdropScroll = 0;
  float damageFlash = 0;
  float shipX = 0, shipY = 0;
  float shipTargetX = 0, shipTargetY = 0;
  float trail[2048] = {};
  float trailHue = 0;
  int trailFirstSegment = 0;
  int fireCooldown = 0;
  int fireInterval = 0;
  float shots[1024] = {};

  // Enemies.
  float enemies[1024] = {};
  int maxEnemies = 0;
  int spawnTimer = 0;
  int spawnsUntilGrowth = 0;
  int spotX = 0, spotY = 0;
  int spotOwner = 0;

  // Sparks, energy, score display and game over.
  float sparks[1024] = {};
  int shownScore = 0;
  int energy = 0;
  int gameOverTimer = 0;
};

// Start-up and asset loading: the image and sound banks, the detail level that picks normal
// or high-detail image files for the device size, the boot assets, and the loading table that
// brings in one asset per update while the loading screen turns.
#include <algorithm>

#include "audio/sound.h"
#include "framework/app_globals.h"
#include "framework/game_math.h"
#include "game/game_ids.h"
#include "game/my_app.h"
#include "graphics/graphics_context.h"

namespace {

enum class AssetKind { kImage, kFont, kSound };

// One action of the loading table. For a font, width and height are its advance and line
// height in game units; for a sound only the id counts.
struct LoadAction {
  int step;
  AssetKind kind;
  int id;
  const char* stem;
  int width;
  int height;
  int frames;
};

// The two assets of the loading screen, loaded at boot and again by the loading table.
constexpr LoadAction kStudioLogoAction = {
    5, AssetKind::kImage, kStudioLogoImage, "common/TOVKLogo", 256, 256, 1};
constexpr LoadAction kFontAction = {6, AssetKind::kFont, kFontImage, "fonts/editundo", 7, 10, 128};

constexpr LoadAction kLoadTable[] = {
    {1, AssetKind::kImage, kIconImage, "common/icons", 32, 32, 16},
    {2, AssetKind::kImage, kButtonsImage, "common/Buttons", 64, 64, 16},
    {3, AssetKind::kImage, kDpadImage, "common/dpad", 32, 32, 16},
    {4, AssetKind::kImage, kArcadeStickImage, "common/icade", 64, 64, 2},
    kStudioLogoAction,
    {5, AssetKind::kImage, kTestCardCircleImage, "common/Testcard_Circle", 256, 256, 1},
    kFontAction,
    {7, AssetKind::kSound, kJingleSound, nullptr, 0, 0, 0},
    {8, AssetKind::kSound, kFanfareSound, nullptr, 0, 0, 0},
    {9, AssetKind::kSound, kClickSound, nullptr, 0, 0, 0},
    {10, AssetKind::kSound, kWhooshSound, nullptr, 0, 0, 0},
    {11, AssetKind::kImage, kBackdropImage, "bg", 256, 256, 1},
    {12, AssetKind::kImage, kLogoImage, "logo", 256, 128, 1},
    {13, AssetKind::kImage, kPartsImage, "parts", 8, 8, 16},
    {14, AssetKind::kImage, kBadgeImage, "BadgesA", 64, 64, 64},
    {15, AssetKind::kImage, kEnemyImage, "baddies", 16, 16, 64},
    {16, AssetKind::kImage, kExplosionImage, "bang", 16, 16, 1},
    {17, AssetKind::kSound, kTrailCatchSound, nullptr, 0, 0, 0},
    {18, AssetKind::kSound, kEscapeSound, nullptr, 0, 0, 0},
    {19, AssetKind::kSound, kFirstHitSound, nullptr, 0, 0, 0},
    {20, AssetKind::kSound, kLastHitSound, nullptr, 0, 0, 0},
    {21, AssetKind::kSound, kShipHitSound, nullptr, 0, 0, 0},
    {22, AssetKind::kImage, kHeartImage, "heart", 32, 32, 1},
    {23, AssetKind::kImage, kShipImage, "ship", 16, 16, 1},
    {24, AssetKind::kSound, kLowEnergySound, nullptr, 0, 0, 0},
};

// The glyph cells of the bitmap font are this many design units square.
constexpr int kFontCell = 16;
constexpr int kFontGlyphs = 128;

// "-hd" files once the device is wider or higher than 630 pixels, "-hd2" above 1230.
void ChooseDetailLevel(c_MyApp& app) {
  const int width = GraphicsWidth();
  const int height = GraphicsHeight();
  app.hdLevel = 1;
  app.imageScale = 1;
  if (width > 630 || height > 630) {
    app.hdLevel = 2;
    app.imageScale = 0.5f;
  }
  if (width > 1230 || height > 1230) {
    app.hdLevel = 4;
    app.imageScale = 0.25f;
  }
}

String ImageFileName(const c_MyApp& app, const String& stem) {
  if (app.hdLevel == 2) return stem + String("-hd.png");
  if (app.hdLevel == 4) return stem + String("-hd2.png");
  return stem + String(".png");
}

void RunAction(c_MyApp& app, const LoadAction& action) {
  switch (action.kind) {
    case AssetKind::kImage:
      app.LoadImageSet(action.id, action.stem, action.width, action.height, action.frames,
                       CenterHandleFlag);
      break;
    case AssetKind::kFont:
      app.LoadFontImage(action.id, action.stem, action.width, action.height);
      break;
    case AssetKind::kSound:
      app.LoadSoundEffect(action.id);
      break;
  }
}

// Runs every action of the step; false when the table has no such step.
bool RunLoadStep(c_MyApp& app, int step) {
  bool found = false;
  for (const LoadAction& action : kLoadTable) {
    if (action.step != step) continue;
    RunAction(app, action);
    found = true;
  }
  return found;
}

}  // namespace

void c_MyApp::LoadImageSet(int id, const String& stem, int frameWidth, int frameHeight,
                           int frameCount, int flags) {
  const String file = ImageFileName(*this, stem);
  // The old entry goes first, so that two pictures of one id are never held at once.
  images[id] = nullptr;
  images[id] = LoadImageGrid(file, frameWidth * hdLevel, frameHeight * hdLevel, frameCount, flags);
  imageInfo[id * 3] = frameWidth * hdLevel;
  imageInfo[id * 3 + 1] = frameHeight * hdLevel;
  imageInfo[id * 3 + 2] = frameCount;
}

void c_MyApp::LoadFontImage(int id, const String& stem, int advance, int lineHeight) {
  const String file = ImageFileName(*this, stem);
  images[id] =
      LoadImageGrid(file, kFontCell * hdLevel, kFontCell * hdLevel, kFontGlyphs, CenterHandleFlag);
  // Advance and line height stay in game units at every detail level.
  imageInfo[id * 3] = advance;
  imageInfo[id * 3 + 1] = lineHeight;
  imageInfo[id * 3 + 2] = kFontGlyphs;
  fontImageId = id;
}

void c_MyApp::LoadSoundEffect(int id) {
  String digits = String::FromInt(id);
  if (id < 10) {
    digits = String("00") + digits;
  } else if (id <= 99) {
    digits = String("0") + digits;
  }
  sounds[id] = LoadSoundFile(String("sfx/") + digits + String(".wav"));
}

void c_MyApp::LoadBootAssets() {
  ChooseDetailLevel(*this);
  clearRed = 0;
  clearGreen = 0;
  clearBlue = 0;
  clearAlpha = 1;
  RunAction(*this, kStudioLogoAction);
  RunAction(*this, kFontAction);
  loadStep = 1;
}

void c_MyApp::LoadNextAsset() {
  ChooseDetailLevel(*this);
  if (!RunLoadStep(*this, loadStep)) loadStep = 0;
  if (loadStep > 0) loadStep += 1;
  DrawLoadingScreen();
}

void c_MyApp::DrawLoadingScreen() {
  const float width = g_screenWidth;
  const float height = g_screenHeight;
  BeginDrawList(40, 40, 80, 1);
  const int size = TruncToInt(std::min(width, height));
  const float radius = static_cast<float>(size / 4);
  // Kept within whole turns of every dot, so the count never runs out of range.
  spinnerAngle = (spinnerAngle + 16) % (16 * 360);
  for (int i = 0; i <= 10; ++i) {
    SetDrawColor(250, 250, 250, static_cast<float>(i) / 10);
    const auto theta = static_cast<float>(spinnerAngle + 16 * i + 180);
    DrawCommandOval(width / 2 + radius * SinDegrees(theta), height / 2 - radius * CosDegrees(theta),
                    8, 8);
  }
  SetDrawColor(255, 255, 0, 0.8f);
  DrawCommandOval(width / 2, height / 2, 0.3f * static_cast<float>(size),
                  0.3f * static_cast<float>(size));
  SetDrawColor(250, 160, 60, 0.7f);
  DrawCommandRect(0, 0.4f * height, width, 0.2f * height);
  ResetDrawState();
  DrawCommandImage(kStudioLogoImage, width / 2, 0.48f * height, 0);
  for (int i = 0; i <= 10; ++i) {
    SetDrawColor(50, 50, 50, static_cast<float>(i) / 10);
    const auto theta = static_cast<float>(spinnerAngle + 16 * i);
    DrawCommandOval(width / 2 + radius * SinDegrees(theta), height / 2 - radius * CosDegrees(theta),
                    8, 8);
  }
}

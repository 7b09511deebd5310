// Sparks: short-lived particles thrown out by hits, falling under gravity and fading out.
#include "framework/app_globals.h"
#include "game/my_app.h"
#include "game/play_steps.h"

namespace {

constexpr float kGravity = 0.4f;
constexpr float kFade = 0.01f;
// Sparks leave the screen, not only the column, beyond this margin.
constexpr float kMargin = 32;

}  // namespace

// count + 1 sparks in pale colours, mostly upward; a full pool takes what records are free.
void c_MyApp::SpawnSparks(float x, float y, int count) {
  for (int n = 0; n <= count; ++n) {
    const int slot = HighestFreeRecord(sparks);
    if (slot < 0) return;
    float* spark = sparks + slot * kRecordSize;
    spark[kSparkLive] = 1;
    spark[kSparkX] = x;
    spark[kSparkY] = y;
    spark[kSparkVX] = RandomUnit() * 16 - 8;
    spark[kSparkVY] = RandomUnit() * 11 - 8;
    spark[kSparkRed] = static_cast<float>(RandomInt(3, 5) * 50);
    spark[kSparkGreen] = static_cast<float>(RandomInt(3, 5) * 50);
    spark[kSparkBlue] = static_cast<float>(RandomInt(3, 5) * 50);
    spark[kSparkAlpha] = 1;
  }
}

void StepSparks(c_MyApp& app, float playLeft) {
  for (int j = 0; j < kPoolRecords; ++j) {
    float* spark = app.sparks + j * kRecordSize;
    if (spark[kSparkLive] <= 0) continue;
    const float oldX = spark[kSparkX];
    const float oldY = spark[kSparkY];
    spark[kSparkX] += spark[kSparkVX];
    spark[kSparkY] += spark[kSparkVY];
    spark[kSparkVY] += kGravity;
    const float x = spark[kSparkX];
    const float y = spark[kSparkY];
    const float alpha = spark[kSparkAlpha];
    app.SetDrawColor(spark[kSparkRed], spark[kSparkGreen], spark[kSparkBlue], alpha);
    app.DrawCommandLine(oldX + playLeft, oldY, x + playLeft, y);
    app.SetDrawAlpha(alpha * 0.5f);
    app.DrawCommandOval(x + playLeft - 1, y - 1, 3, 3);
    if (x < -kMargin || y < -kMargin || x > g_screenWidth + kMargin ||
        y > g_screenHeight + kMargin) {
      spark[kSparkLive] = 0;
    }
    spark[kSparkAlpha] -= kFade;
    if (spark[kSparkAlpha] < 0) spark[kSparkLive] = 0;
  }
}

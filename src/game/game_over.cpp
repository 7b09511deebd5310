// Sparks, and the game-over overlay that ends a game and fades over the title screen.
#include "game/my_app.h"

void c_MyApp::SpawnSparks(float, float, int) {}

void c_MyApp::GameOverUpdate() {}

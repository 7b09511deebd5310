// Enemies: arrival, hovering spots, hits and falls.
#include "game/my_app.h"

void c_MyApp::SpawnEnemy() {}

void c_MyApp::FindFreeSpot() {}

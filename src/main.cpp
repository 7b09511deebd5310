// Process entry of the game.
#include "framework/app_globals.h"
#include "game/my_app.h"
#include "host/entry.h"

int main(int argc, char** argv) {
  RunGame<c_MyApp>(argc, argv, InitAppGlobals);
}

// Text files and the saved-state file "./.vindlestate".
#include "host/qor_game.h"

int QorGame::StoreState(const String&) {
  return -1;
}

String QorGame::FetchState() {
  return String();
}

String QorGame::ReadTextFile(const String&) {
  return String();
}

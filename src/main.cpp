// Process entry of the game.
#include "host/app.h"
#include "host/entry.h"

namespace {

// The application until the game takes its place: 60 updates a second, nothing drawn.
class EmptyApp : public c_App {
 public:
  int HandleCreate() override {
    SetAppUpdateRate(60);
    return 0;
  }
};

}  // namespace

int main(int argc, char** argv) {
  RunGame<EmptyApp>(argc, argv);
}

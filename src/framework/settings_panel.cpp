// The settings panel that slides over the play field: resume, end the game, sound, move speed
// and background blur.
#include "game/my_app.h"

void c_MyApp::UpdateSettingsPanel() {}

// The numbers the game's files share: the game states, the ids of the image and sound banks,
// the frames of the icon sheet and the abstract controls that IsControlDown answers for.
#pragma once

// Values of c_MyApp::gameState. States from kPlayingState on are a game in progress.
constexpr int kTitleState = 1;         // the title screen, with the credits over it
constexpr int kGameFinishedState = 2;  // for one update: the score goes into the tables
constexpr int kPlayingState = 10;      // the play update, then the pause check
constexpr int kNewGameState = 11;      // for one update: a new game is set up

// The image bank.
constexpr int kEnemyImage = 1;            // the enemies: four rows of eight looks, two frames each
constexpr int kExplosionImage = 2;        // the bang over a falling enemy
constexpr int kHeartImage = 3;            // beside the energy
constexpr int kShipImage = 4;             // the player's ship
constexpr int kBadgeImage = 80;           // 64 badges
constexpr int kFontImage = 90;            // the bitmap font
constexpr int kTestCardCircleImage = 91;  // the circle in the middle of the credits
constexpr int kArcadeStickImage = 92;     // an arcade stick at rest and pushed
constexpr int kStudioLogoImage = 93;      // the loading screen, the credits button and a dial
constexpr int kDpadImage = 94;            // a direction pad with its arms lit
constexpr int kButtonsImage = 95;         // the start button and other buttons
constexpr int kPartsImage = 96;           // small particles
constexpr int kIconImage = 97;            // pause, settings and sound icons (frames below)
constexpr int kLogoImage = 98;            // the game's name
constexpr int kBackdropImage = 99;        // the scrolling tile behind the title and the play

// Frames of kIconImage.
constexpr int kPauseFrame = 0;
constexpr int kEndGameFrame = 1;
constexpr int kResumeFrame = 3;
constexpr int kSoundOnFrame = 4;
constexpr int kSoundOffFrame = 5;
constexpr int kRingFrame = 6;  // the ring around the chosen settings button

// The sound bank.
constexpr int kJingleSound = 1;      // loaded, never played
constexpr int kTrailCatchSound = 2;  // a falling enemy caught by the trail
constexpr int kEscapeSound = 3;      // a falling enemy escaped past the bottom edge
constexpr int kFirstHitSound = 4;    // a shot hits an enemy: one of these two at random
constexpr int kLastHitSound = 5;
constexpr int kShipHitSound = 6;    // a falling enemy hits the ship
constexpr int kLowEnergySound = 7;  // energy has dropped below the warning level
constexpr int kFanfareSound = 95;   // loaded, never played
constexpr int kClickSound = 98;     // buttons, the sound switch and the settings panel
constexpr int kWhooshSound = 99;    // the credits open or close

// The abstract controls of IsControlDown.
constexpr int kUpControl = 0;
constexpr int kLeftControl = 3;
constexpr int kRightControl = 5;
constexpr int kDownControl = 8;
constexpr int kFire1Control = 10;  // the one that chooses in the settings panel
constexpr int kFire2Control = 11;
constexpr int kFire3Control = 12;
constexpr int kFire4Control = 13;
constexpr int kBackControl = 99;  // pauses, and closes the settings panel or the credits

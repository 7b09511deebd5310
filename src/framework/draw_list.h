// Layout of the draw-command list: every command is a record of 15 floats, kind first.
#pragma once

constexpr int kCommandSize = 15;
// An append is dropped once the list is this long: at most 2499 commands fit.
constexpr int kDrawListLimit = 37485;

// Command kinds below zero; an image command's kind is its image id (0 or more).
constexpr float kRectCommand = -3717;
constexpr float kOvalCommand = -3716;
constexpr float kLineCommand = -3715;

// Offsets inside a record. 8, 9 and 14 are never written.
enum CommandField {
  kCommandKind = 0,
  kCommandX = 1,
  kCommandY = 2,
  kCommandRotation = 3,
  kCommandWidth = 4,   // x scale of an image, width, radius x, or second x of a line
  kCommandHeight = 5,  // y scale, height, radius y, or second y
  kCommandFrame = 6,
  kCommandAlpha = 7,
  kCommandRed = 10,
  kCommandGreen = 11,
  kCommandBlue = 12,
  kCommandBlend = 13,
};

// The blend code that replays additively; every other code replays with alpha blending.
constexpr int kAdditiveBlendCode = 3;

#pragma once
#include <cstdint>

#include "pond/Playfield.h"

constexpr int SpriteCount = 45;
constexpr int WhiteBoxSprite = 0;  // no picture: drawn as a white box

// Which of the 45 pictures a cell shows; WhiteBoxSprite for an unknown kind or a Data with no picture.
int SpriteForCell(const FieldCell& cell);

// The pieces of a tube-shaped body, the player's snake or a viper. Each group of pictures
// follows the order of the directions (up, right, down, left) or of the bends.
struct TubePictures {
    int Head;      // the open end, facing the way the head moves
    int Bend;      // joining top and right, bottom and right, bottom and left, top and left
    int Tail;      // the rounded end, its next segment lying up, right, down, left of it
    int Straight;  // left to right, then top to bottom
};
constexpr TubePictures SnakePictures{10, 14, 18, 22};
constexpr TubePictures ViperPictures{31, 35, 39, 43};
constexpr int CrashedSnakeHead = 27;  // the snake's broken heads, in the order of the directions

// The head moving in direction; 0 when it is no direction.
int HeadPicture(const TubePictures& tube, int direction);
// A body piece the tube entered moving in, and leaves moving out; 0 where it would turn back.
int BodyPicture(const TubePictures& tube, int in, int out);
// The tail whose next segment lies in direction out; 0 when it is no direction.
int TailPicture(const TubePictures& tube, int out);

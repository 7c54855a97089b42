#pragma once

class modZurk3;

// One step of a level in play (the snake placed) once the direction is known: the creatures move
// (only after the snake has left its house), then the snake steps; direction 0 keeps its course.
void MovePond(modZurk3& world, int direction);

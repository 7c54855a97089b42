#pragma once

class clsKB;
class modZurk3;

// The direction of the first new press among the arrows, asked in the fixed order up, right,
// down, left; 0 when none was pressed. Only the keys asked lose their press, so a second arrow
// pressed before the same step is taken at the next one.
int DirectionFromKeys(clsKB& keyboard);

// One step of a level in play (the snake placed) once the direction is known: the creatures move
// (only after the snake has left its house), then the snake steps; direction 0 keeps its course.
void MovePond(modZurk3& world, int direction);

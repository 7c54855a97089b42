#pragma once

class modZurk3;

// Builds the live playfield of the level in world.Level: copies the map, scatters the random
// items, colours the balls, creates the flies and vipers, draws everything and places the snake
// in its house. A level without a house leaves HouseX at 0, for the level flow to announce.
void SetUpLevel(modZurk3& world);
// The first part of it: the playfield sized to the map and copied from it, the houses closed,
// nothing else done.
void CopyLevelMap(modZurk3& world);

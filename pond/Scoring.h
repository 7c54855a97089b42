#pragma once

// What the snake earns and how much it grows for each thing it meets, and what the level flow
// adds; the level tool and the soak read them here, so a change of score is made in one place.
// Growth counts segments: the tail stays put for that many further steps.

// A ball (cue Mnam1, EatBall): worth twice as much once the house is open.
constexpr int BallPoints = 100;
constexpr int BallPointsHouseOpen = 200;
constexpr int BallGrowth = 5;

// A fly (cue Mnam2, EatFly).
constexpr int FlyPoints = 500;
constexpr int FlyPointsHouseOpen = 1000;
constexpr int FlyGrowth = 10;

// The golden ball (cue Mnam3, EatGoldenBall): the same whether the house is open or not.
constexpr int GoldenBallPoints = 1000;
constexpr int GoldenBallGrowth = 20;

// A boulder (cue Fuj, HitBoulder): crushed, at a cost, with no growth.
constexpr int BoulderPoints = -500;

// Every step the snake takes, whatever it meets.
constexpr int StepPoints = -1;

// The level flow: a level won, and at the final victory, each life left.
constexpr int LevelWonPoints = 2000;
constexpr int VictoryPointsPerLife = 5000;

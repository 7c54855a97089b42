#pragma once
#include <memory>
#include <vector>

class clsMuska;
class clsPotapnik;
class clsZmije;

// The creatures of the level in play. Set-up fills the collections; the level flow lets them go.
class PondCreatures {
public:
    PondCreatures();
    ~PondCreatures();
    PondCreatures(const PondCreatures&) = delete;
    PondCreatures& operator=(const PondCreatures&) = delete;

    std::vector<std::unique_ptr<clsZmije>> Vipers;
    // Flies keyed "1", "2", ... : the fly with key k is Flies[k - 1].
    std::vector<std::unique_ptr<clsMuska>> Flies;
    // The golden ball's keeper, made when the level is set up.
    std::unique_ptr<clsPotapnik> Beetle;

    clsMuska* FindFly(int key) const;

    // The level is over: the vipers go one at a time from the front, each giving back its
    // cells in turn; then the flies, which leave the pond as it is, and the beetle.
    void Uvolni();
};

#pragma once
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

#include "Fakes.h"
#include "GameFileBytes.h"
#include "game/LevelFlow.h"

// A 5 x 3 corridor with the house at (2, 2): Right then Left wins, three Rights crash.
inline void Corridor(GameFileBytes& file, int flags = 0) { file.Level(5, 3, flags, 2).House(2, 2, 2); }
inline GameFileBytes Corridors(int levels, int lives, int flags = 0) {
    GameFileBytes file(levels, lives);
    for (int level = 0; level < levels; ++level) Corridor(file, flags);
    return file;
}

// One game with its level flow and a front end that records what it is asked to show.
class FlowBench : public RulesFakes {
public:
    void Load(const GameFileBytes& file) {
        ASSERT_TRUE(game.NactiHruZPameti(file.bytes, "test.zurk"));
        flow = std::make_unique<LevelFlow>(world, game, keys);
    }
    // Loads the file and starts its first level, as F2 does.
    void Start(const GameFileBytes& file) {
        Load(file);
        flow->Start();
    }
    void Tick(std::optional<clsKB::Key> key = std::nullopt) {
        if (key) keys.Tap(*key);
        flow->Step();
    }
    // Each run ends one tick later, when the flow sees it is over.
    void Win() {
        Tick(clsKB::Key::RIGHT);
        Tick(clsKB::Key::LEFT);
        Tick();
    }
    void Crash() {
        Tick(clsKB::Key::RIGHT);
        for (int i = 0; i < 3; ++i) Tick();
    }
    // The player closes every message and answers every box at once, as the window tells.
    void Read() {
        for (FlowState state = flow->State(); state == FlowState::Message || state == FlowState::Asking;
             state = flow->State()) {
            if (state == FlowState::Message)
                flow->MessageClosed();
            else
                flow->BoxAnswered();
        }
    }
    void Choose(const std::string& answer) {
        flow->AskForLevel();
        flow->BoxAnswered(answer);
    }

    ScriptedKeys keys;
    modZurk3 world{random, painter, cues, frontEnd};
    clsHraZurk3 game;
    std::unique_ptr<LevelFlow> flow;
};

// What one event did: the state it left the flow in, and what it asked the front end to show.
std::string Outcome(const FlowBench& bench, std::size_t shownBefore);

// The events of the flow's state table, each as the window gives it.
using FlowEvent = void (*)(FlowBench&);
namespace FlowEvents {
inline void Tick(FlowBench& b) { b.flow->Step(); }
inline void Space(FlowBench& b) { b.flow->TogglePause(); }
inline void Minimise(FlowBench& b) { b.flow->OnMinimised(); }
inline void Tab(FlowBench& b) { b.flow->ShowLevelInfo(); }
inline void CtrlU(FlowBench& b) { b.flow->AskForLevel(); }
inline void Informace(FlowBench& b) { b.flow->ShowGameInfo(); }
inline void WwwZurk(FlowBench& b) { b.flow->OpenWwwZurk(); }
inline void F2(FlowBench& b) { b.flow->Start(); }
inline void F3(FlowBench& b) { b.flow->ReturnToTitle(); }
inline void MessageClosed(FlowBench& b) { b.flow->MessageClosed(); }
inline void BoxAnswered2(FlowBench& b) { b.flow->BoxAnswered("2"); }
inline void Close(FlowBench& b) { b.flow->CloseRequested(); }
}  // namespace FlowEvents

// The ways into the table's states: two corridors and two lives, unless a name says otherwise.
namespace FlowStates {
inline void Title(FlowBench& b) {
    b.Load(Corridors(2, 2));
    b.flow->ShowTitle();
}
inline void Started(FlowBench& b) { b.Start(Corridors(2, 2)); }
inline void Out(FlowBench& b) {
    Started(b);
    b.Tick(clsKB::Key::RIGHT);
}
inline void HomeAgain(FlowBench& b) {
    Out(b);
    b.Tick(clsKB::Key::LEFT);
}
inline void Crashed(FlowBench& b) {
    Out(b);
    b.Tick();
    b.Tick();
}
inline void LastLife(FlowBench& b) {
    Crashed(b);
    b.Tick();
    b.Read();
    b.Crash();
}
inline void LastLevel(FlowBench& b) {
    Started(b);
    b.Win();
    b.Read();
    b.Win();
}
inline void Finished(FlowBench& b) {
    LastLevel(b);
    b.Read();
}
// Level 1 without a house, level 2 a corridor.
inline void NoHouseFirst(FlowBench& b) {
    GameFileBytes file(2, 2);
    file.Level(5, 3, 0, 2);
    Corridor(file);
    b.Start(file);
}
// 255 levels, none with a house.
inline void NoHouseAnywhere(FlowBench& b) {
    GameFileBytes file(255, 2);
    for (int level = 0; level < 255; ++level) file.Level(5, 3, 0, 2);
    b.Start(file);
}
}  // namespace FlowStates

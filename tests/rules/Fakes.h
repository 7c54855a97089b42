#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "pond/CellPainter.h"
#include "pond/CuePlayer.h"
#include "pond/GameFrontEnd.h"
#include "pond/KeyStateSource.h"
#include "snake/clsKB.h"

struct PaintCall {
    int px, py, sprite, spriteSet;  // sprite 0: the white box
    bool operator==(const PaintCall&) const = default;
};

class RecordingPainter : public CellPainter {
public:
    void PaintSprite(int px, int py, int sprite, int spriteSet) override {
        calls.push_back({px, py, sprite, spriteSet});
    }
    void PaintWhiteBox(int px, int py, int) override { calls.push_back({px, py, 0, -1}); }
    std::vector<PaintCall> calls;
};

class RecordingCues : public CuePlayer {
public:
    void PlayCue(Cue cue) override { played.push_back(CueName(cue)); }
    std::vector<std::string> played;
};

// Remembers what the rules asked of the window, in order, as short readable lines.
class RecordingFrontEnd : public GameFrontEnd {
public:
    void SetLabelVisible(HintLabel label, bool visible) override { visibleLabels[label] = visible; }
    void MoveLabel(HintLabel label, int x, int y) override {
        log.push_back("move " + std::to_string(static_cast<int>(label)) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    }
    void ShowCriticalBox(const std::string& text) override { log.push_back("box " + text); }
    void ShowMessage(const std::string& text) override {
        log.push_back("message " + text);
        messages.push_back(text);
    }
    void SetStepTimer(bool enabled) override { timerOn = enabled; }
    void ShowPanel(const PanelValues& values) override {
        panel = values;
        ++panelRefreshes;
    }
    ScreenSize ScreenPixels() const override { return screen; }
    void LayOutForLevel(int w, int h, int cell) override {
        log.push_back("layout " + std::to_string(w) + "x" + std::to_string(h) + "@" + std::to_string(cell));
    }
    void LetPendingEventsRun() override {
        if (duringLayout) duringLayout();
    }
    void ClearPond() override { ++clears; }
    void ShowTitle() override { log.push_back("title"); }
    void HideTitle() override { log.push_back("hide title"); }
    void HideStartPicture() override {}

    bool Visible(HintLabel label) const {
        auto it = visibleLabels.find(label);
        return it != visibleLabels.end() && it->second;
    }

    std::vector<std::string> log;
    std::vector<std::string> messages;
    std::map<HintLabel, bool> visibleLabels;
    bool timerOn = false;
    PanelValues panel;
    int panelRefreshes = 0;
    int clears = 0;
    ScreenSize screen{1024, 768};
    std::function<void()> duringLayout;
};

// Key state words as the window keeps them: top bit while down, low bit flipping per press.
class ScriptedKeys : public KeyStateSource {
public:
    std::int16_t KeyState(int vk) const override {
        auto it = words.find(vk);
        return it == words.end() ? 0 : it->second;
    }
    void Press(int vk) { words[vk] = static_cast<std::int16_t>((words[vk] ^ 1) | 0x8000); }
    void Release(int vk) { words[vk] = static_cast<std::int16_t>(words[vk] & 1); }
    void Tap(int vk) {
        Press(vk);
        Release(vk);
    }
    std::map<int, std::int16_t> words;
};

inline const int VkLeft = clsKB::VirtualKey(clsKB::Key::LEFT);
inline const int VkUp = clsKB::VirtualKey(clsKB::Key::UP);
inline const int VkRight = clsKB::VirtualKey(clsKB::Key::RIGHT);
inline const int VkDown = clsKB::VirtualKey(clsKB::Key::DOWN);

#pragma once
#include <algorithm>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "pond/CellPainter.h"
#include "pond/CuePlayer.h"
#include "pond/GameFrontEnd.h"
#include "pond/KeyStateWords.h"
#include "pond/RandomSource.h"
#include "snake/clsKB.h"

// Hands out exactly the numbers a test scripted, and fails loudly when the rules ask for more.
class ScriptedRandom : public RandomSource {
public:
    void Add(std::initializer_list<double> values) { values_.insert(values_.end(), values); }
    double Rnd() override {
        if (values_.empty()) throw std::logic_error("the rules drew more random numbers than scripted");
        const double value = values_.front();
        values_.pop_front();
        return value;
    }
    std::size_t Left() const { return values_.size(); }

private:
    std::deque<double> values_;
};

// Counts what is painted; what is painted where is the soak's screen check.
class CountingPainter : public CellPainter {
public:
    void PaintSprite(int, int, int) override { ++paints; }
    void PaintWhiteBox(int, int) override { ++paints; }
    int paints = 0;
};

class RecordingCues : public CuePlayer {
public:
    void PlayCue(Cue cue) override { played.push_back(CueName(cue)); }
    std::vector<std::string> played;
};

// Remembers what the rules asked of the window.
class RecordingFrontEnd : public NullFrontEnd {
public:
    void SetLabelVisible(HintLabel label, bool visible) override { visibleLabels[label] = visible; }
    void ShowMessage(FlowMessage message) override {
        messages.push_back(message);
        constexpr const char* names[] = {"NextLevel", "LevelRepeats", "GameLost", "Victory"};
        shown.push_back(std::string("message ") + names[static_cast<int>(message)]);
        timerOnUnderAMessage = timerOnUnderAMessage || timerOn;
        panelUnderTheMessage = panel;
    }
    void ShowBox(FlowBox box) override {
        boxes.push_back(box);
        constexpr const char* names[] = {"LevelNumber", "LevelInfo", "GameInfo",
                                         "WebAddress",  "NoSnake",   "NoPlayableLevel"};
        shown.push_back(std::string("box ") + names[static_cast<int>(box)]);
    }
    void CloseBoxes() override { shown.emplace_back("closes boxes"); }
    void SetStepTimer(bool enabled) override { timerOn = enabled; }
    void ShowPanel(const PanelValues& values) override { panel = values; }
    void LayOutForLevel(int w, int h) override { layouts.push_back({w, h}); }
    void ShowTitle() override { shown.emplace_back("title"); }

    bool Visible(HintLabel label) const { return visibleLabels.count(label) && visibleLabels.at(label); }
    long Boxes(FlowBox box) const { return std::count(boxes.begin(), boxes.end(), box); }

    std::map<HintLabel, bool> visibleLabels;
    std::vector<FlowMessage> messages;
    std::vector<FlowBox> boxes;
    std::vector<std::string> shown;  // messages, boxes, the title and closings, in order
    std::vector<std::vector<int>> layouts;
    bool timerOn = false;
    bool timerOnUnderAMessage = false;
    PanelValues panel;
    PanelValues panelUnderTheMessage;
};

// The window's own key state words, pressed by the reader's key names.
class ScriptedKeys : public KeyStateWords {
public:
    void Press(clsKB::Key key) { KeyStateWords::Press(clsKB::VirtualKey(key)); }
    void Release(clsKB::Key key) { KeyStateWords::Release(clsKB::VirtualKey(key)); }
    void Tap(clsKB::Key key) {
        Press(key);
        Release(key);
    }
};

// The fakes a world of the rules is built on.
struct RulesFakes {
    ScriptedRandom random;
    CountingPainter painter;
    RecordingCues cues;
    RecordingFrontEnd frontEnd;
};

#pragma once
#include <deque>
#include <stdexcept>

#include "pond/RandomSource.h"

// Hands out exactly the numbers a test scripted, and fails loudly when the rules ask for more.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : values_(values) {}
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

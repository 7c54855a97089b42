#include "Envelope.h"

#include <cmath>
#include <numbers>

double Envelope::rise(double t, double attack) {
    if (t <= 0.0) return 0.0;
    if (t >= attack) return 1.0;
    const double s = std::sin(0.5 * std::numbers::pi * t / attack);
    return s * s;
}

double Envelope::percussive(double t, double attack, double decay) {
    const double afterAttack = t > attack ? t - attack : 0.0;
    return rise(t, attack) * std::exp(-afterAttack / decay);
}

double Envelope::gate(double t, double attack, double length, double release) {
    return rise(t, attack) * rise(length - t, release);
}

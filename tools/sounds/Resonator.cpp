#include "Resonator.h"

#include <cmath>
#include <complex>
#include <numbers>

Resonator::Resonator(int sampleRate, Gain gain) : rate(sampleRate), normalisation(gain) {}

void Resonator::tune(double centreHz, double bandwidthHz) {
    const double pi = std::numbers::pi;
    c = -std::exp(-2.0 * pi * bandwidthHz / rate);
    b = 2.0 * std::exp(-pi * bandwidthHz / rate) * std::cos(2.0 * pi * centreHz / rate);
    // H(z) = a / (1 - b z^-1 - c z^-2); a sets where |H| = 1.
    if (normalisation == Gain::UnityAtDc) {
        a = 1.0 - b - c;
        return;
    }
    const std::complex<double> z1 = std::polar(1.0, -2.0 * pi * centreHz / rate);
    a = std::abs(1.0 - b * z1 - c * z1 * z1);
}

double Resonator::process(double input) {
    const double output = a * input + b * previous + c * beforePrevious;
    beforePrevious = previous;
    previous = output;
    return output;
}

#pragma once

// Loudness curves over time, all smooth at their corners so that nothing clicks.
class Envelope {
public:
    // 0 before t = 0, a raised-cosine climb to 1 over `attack` seconds, then 1.
    static double rise(double t, double attack);
    // A struck sound: a short soft attack, then an exponential die-away.
    static double percussive(double t, double attack, double decay);
    // A held sound of the given length: soft attack, flat top, soft release inside the length.
    static double gate(double t, double attack, double length, double release);
};

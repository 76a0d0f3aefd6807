#pragma once

#include "assets/wav.h"

#include <cstdint>
#include <vector>

namespace vh::assets {

// A fixed-seed generator of noise and random choices for the sounds.
class SoundRandom {
public:
    explicit SoundRandom(std::uint32_t seed) : state_(seed) {}
    // Uniform in [0, 1).
    double unit();
    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform in [-1, 1).
    double noise() { return 2.0 * unit() - 1.0; }

private:
    std::uint32_t state_;
};

// A second-order filter section (the usual audio cookbook forms).
class Biquad {
public:
    static Biquad lowPass(double frequency, double q);
    static Biquad highPass(double frequency, double q);
    static Biquad bandPass(double frequency, double q);

    double process(double x);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A mono track being mixed, in seconds and linear amplitude.
class Track {
public:
    explicit Track(double seconds);

    std::size_t size() const { return samples_.size(); }
    double& at(std::size_t i) { return samples_[i]; }
    void add(std::size_t i, double v) {
        if (i < samples_.size()) {
            samples_[i] += v;
        }
    }
    std::vector<double>& samples() { return samples_; }

    // A decaying sine starting at `start` seconds.
    void addPartial(double start, double frequency, double amplitude, double decaySeconds,
                    double attackSeconds = 0.002, double phase = 0.0);
    // A struck tone: an FM bell / electric piano voice with a few harmonics.
    void addBell(double start, double frequency, double amplitude, double decaySeconds,
                 double brightness);

    // A room: a handful of comb and all-pass filters mixed in at `wet`.
    void reverb(double wet, double roomSize);

private:
    std::vector<double> samples_;
};

// Removes any offset, scales the peak to `peak` (below full scale), fades in
// and out over a few milliseconds so that the sound starts and ends in silence.
Sound finishSound(Track& track, double peak, double fadeInSeconds, double fadeOutSeconds);

// Equal temperament: the frequency of a MIDI note number (69 is A at 440 Hz).
double noteFrequency(int midiNote);

} // namespace vh::assets

#include "assets/sounds.h"

#include "assets/dsp.h"

#include <cmath>
#include <vector>

namespace vh::assets {

namespace {

constexpr double kRate = static_cast<double>(kSampleRate);

// A short burst of filtered noise: the click of a hard edge on a surface.
void noiseBurst(Track& track, SoundRandom& random, double start, double amplitude, double centre,
                double q, double length) {
    Biquad filter = Biquad::bandPass(centre, q);
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(length * 6.0 * kRate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        track.add(first + i, amplitude * filter.process(random.noise() * std::exp(-t / length)));
    }
}

// One die striking something. `hardness` 0 is the muffled inside of the cup,
// 1 the bare wood of the board.
void impact(Track& track, SoundRandom& random, double start, double strength, double hardness) {
    const double base = random.between(1700.0, 2600.0) * (0.75 + 0.45 * hardness);
    const double ratios[] = {1.0, 1.62, 2.41, 3.53};
    for (double ratio : ratios) {
        const double decay =
            random.between(0.004, 0.012) * (0.6 + 0.8 * hardness) / std::sqrt(ratio);
        track.addPartial(start, base * ratio * random.between(0.97, 1.03), strength * 0.35 / ratio,
                         decay, 0.0003, random.between(0.0, 6.28));
    }
    noiseBurst(track, random, start, strength * (0.8 + 1.2 * hardness), 2500.0 + 2500.0 * hardness,
               0.9, 0.0012);
    // The body the die hits answers lower down.
    const double body =
        hardness > 0.5 ? random.between(170.0, 240.0) : random.between(320.0, 420.0);
    track.addPartial(start, body, strength * (0.25 + 0.2 * hardness), 0.022, 0.001);
}

} // namespace

Sound diceRattle(int variant) {
    SoundRandom random(0xD1CEu + static_cast<std::uint32_t>(variant) * 7919u);
    const int shakes = variant == 1 ? 3 : (variant == 2 ? 2 : 4);
    const double period = variant == 1 ? 0.15 : (variant == 2 ? 0.19 : 0.115);
    const double throwAt = 0.03 + shakes * period + 0.07;
    Track track(throwAt + 0.55);
    // Shaking: the dice hit the cup wall and each other at each turn of the
    // hand, and the cup thuds softly.
    for (int shake = 0; shake < shakes; ++shake) {
        const double at = 0.03 + shake * period;
        const int clicks = 3 + static_cast<int>(random.unit() * 3.0);
        for (int c = 0; c < clicks; ++c) {
            impact(track, random, at + random.between(0.0, period * 0.55),
                   random.between(0.25, 0.6), random.between(0.0, 0.25));
        }
        track.addPartial(at, random.between(110.0, 150.0), 0.25, 0.03, 0.004);
    }
    // The throw: each die lands, bounces a few times, ever lower and quicker,
    // then rattles to rest.
    for (int die = 0; die < 2; ++die) {
        double at = throwAt + die * random.between(0.015, 0.045);
        double gap = random.between(0.07, 0.11);
        double strength = random.between(0.9, 1.0);
        for (int bounce = 0; bounce < 5; ++bounce) {
            impact(track, random, at, strength, 1.0);
            at += gap;
            gap *= random.between(0.55, 0.68);
            strength *= random.between(0.45, 0.6);
        }
        for (int roll = 0; roll < 5; ++roll) {
            impact(track, random, at, strength * 0.6, 0.8);
            at += random.between(0.012, 0.025);
            strength *= 0.75;
        }
    }
    // The two dice knock together once in the air.
    impact(track, random, throwAt + random.between(0.05, 0.09), 0.5, 0.6);
    track.reverb(0.12, 0.3);
    return finishSound(track, kSoundPeak, 0.002, 0.05);
}

Sound winJingle() {
    Track track(2.2);
    // C major rising, then the full chord with a shimmer on top.
    const int arpeggio[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        const double at = 0.02 + i * 0.11;
        track.addBell(at, noteFrequency(arpeggio[i]), 0.5, 0.35, 1.6);
    }
    const int chord[] = {60, 67, 72, 76, 79, 84};
    for (int note : chord) {
        track.addBell(0.48, noteFrequency(note), note < 70 ? 0.35 : 0.28, 0.75, 1.1);
    }
    track.addBell(0.56, noteFrequency(91), 0.12, 0.5, 2.0);
    track.addBell(0.64, noteFrequency(88), 0.10, 0.5, 2.0);
    track.reverb(0.22, 0.6);
    return finishSound(track, kSoundPeak, 0.003, 0.25);
}

Sound loseJingle() {
    Track track(2.4);
    // Falling in D minor, soft and unhurried, to a low chord.
    const int phrase[] = {69, 65, 62};
    for (int i = 0; i < 3; ++i) {
        track.addBell(0.02 + i * 0.26, noteFrequency(phrase[i]), 0.5, 0.45, 0.8);
    }
    const int chord[] = {50, 57, 62, 65};
    for (int note : chord) {
        track.addBell(0.82, noteFrequency(note), 0.3, 0.8, 0.5);
    }
    track.reverb(0.25, 0.7);
    return finishSound(track, kSoundPeak, 0.003, 0.3);
}

Sound startupChime() {
    Track track(2.8);
    // A rising C major ninth, each note a struck bell, over a soft chord.
    const int notes[] = {60, 64, 67, 71, 74, 79};
    for (int i = 0; i < 6; ++i) {
        track.addBell(0.02 + i * 0.13, noteFrequency(notes[i]), 0.4, 0.9, 1.2);
    }
    const int pad[] = {48, 55, 64, 71};
    for (int note : pad) {
        // A slow swell: many partials with a long attack.
        track.addPartial(0.05, noteFrequency(note), 0.10, 0.9, 0.5);
        track.addPartial(0.05, noteFrequency(note) * 2.0, 0.04, 0.7, 0.5);
    }
    track.reverb(0.3, 0.75);
    return finishSound(track, kSoundPeak, 0.004, 0.35);
}

} // namespace vh::assets

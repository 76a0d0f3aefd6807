#include "assets/dsp.h"

#include "assets/noise.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vh::assets {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kRate = static_cast<double>(kSampleRate);

std::size_t sampleAt(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kRate);
}

// A feedback comb filter with a damped loop, for the reverb.
class Comb {
public:
    Comb(std::size_t length, double feedback, double damping)
        : buffer_(length, 0.0), feedback_(feedback), damping_(damping) {}

    double process(double x) {
        const double y = buffer_[index_];
        stored_ = y * (1.0 - damping_) + stored_ * damping_;
        buffer_[index_] = x + stored_ * feedback_;
        index_ = (index_ + 1) % buffer_.size();
        return y;
    }

private:
    std::vector<double> buffer_;
    double feedback_;
    double damping_;
    double stored_ = 0.0;
    std::size_t index_ = 0;
};

class AllPass {
public:
    explicit AllPass(std::size_t length) : buffer_(length, 0.0) {}

    double process(double x) {
        const double delayed = buffer_[index_];
        const double y = -x + delayed;
        buffer_[index_] = x + delayed * 0.5;
        index_ = (index_ + 1) % buffer_.size();
        return y;
    }

private:
    std::vector<double> buffer_;
    std::size_t index_ = 0;
};

} // namespace

double SoundRandom::unit() {
    state_ = hashMix(state_ + 0x9e3779b9u);
    return static_cast<double>(state_) / 4294967296.0;
}

Biquad Biquad::lowPass(double frequency, double q) {
    const double w = kTwoPi * frequency / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0_ = (1.0 - c) / 2.0 / a0;
    f.b1_ = (1.0 - c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2.0 * c / a0;
    f.a2_ = (1.0 - alpha) / a0;
    return f;
}

Biquad Biquad::highPass(double frequency, double q) {
    const double w = kTwoPi * frequency / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0_ = (1.0 + c) / 2.0 / a0;
    f.b1_ = -(1.0 + c) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2.0 * c / a0;
    f.a2_ = (1.0 - alpha) / a0;
    return f;
}

Biquad Biquad::bandPass(double frequency, double q) {
    const double w = kTwoPi * frequency / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0_ = alpha / a0;
    f.b1_ = 0.0;
    f.b2_ = -alpha / a0;
    f.a1_ = -2.0 * c / a0;
    f.a2_ = (1.0 - alpha) / a0;
    return f;
}

double Biquad::process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

Track::Track(double seconds) : samples_(sampleAt(seconds), 0.0) {}

void Track::addPartial(double start, double frequency, double amplitude, double decaySeconds,
                       double attackSeconds, double phase) {
    const std::size_t first = sampleAt(start);
    const std::size_t length = sampleAt(decaySeconds * 7.0);
    const double step = kTwoPi * frequency / kRate;
    for (std::size_t i = 0; i < length && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / attackSeconds);
        const double envelope = attack * std::exp(-t / decaySeconds);
        samples_[first + i] +=
            amplitude * envelope * std::sin(phase + step * static_cast<double>(i));
    }
}

void Track::addBell(double start, double frequency, double amplitude, double decaySeconds,
                    double brightness) {
    const std::size_t first = sampleAt(start);
    const std::size_t length = sampleAt(decaySeconds * 6.0);
    const double carrier = kTwoPi * frequency / kRate;
    const double modulator = carrier * 2.0;
    for (std::size_t i = 0; i < length && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double n = static_cast<double>(i);
        const double attack = std::min(1.0, t / 0.004);
        const double envelope = attack * std::exp(-t / decaySeconds);
        // The modulation fades faster than the tone: bright strike, mellow tail.
        const double index = brightness * std::exp(-t / (decaySeconds * 0.25));
        const double fm = std::sin(carrier * n + index * std::sin(modulator * n));
        const double body = 0.3 * std::sin(carrier * 0.5 * n) * std::exp(-t / (decaySeconds * 0.7));
        samples_[first + i] += amplitude * envelope * (fm + body);
    }
}

void Track::reverb(double wet, double roomSize) {
    const std::array<std::size_t, 4> combLengths{1557, 1617, 1491, 1422};
    const std::array<std::size_t, 2> allPassLengths{556, 441};
    std::vector<Comb> combs;
    for (std::size_t length : combLengths) {
        combs.emplace_back(length, 0.70 + 0.28 * roomSize, 0.25);
    }
    std::vector<AllPass> allPasses;
    for (std::size_t length : allPassLengths) {
        allPasses.emplace_back(length);
    }
    for (double& sample : samples_) {
        double sum = 0.0;
        for (Comb& comb : combs) {
            sum += comb.process(sample);
        }
        sum *= 0.25;
        for (AllPass& allPass : allPasses) {
            sum = allPass.process(sum);
        }
        sample = sample * (1.0 - wet) + sum * wet;
    }
}

Sound finishSound(Track& track, double peak, double fadeInSeconds, double fadeOutSeconds) {
    std::vector<double>& s = track.samples();
    // Remove any offset with a gentle high-pass.
    Biquad dc = Biquad::highPass(20.0, 0.707);
    for (double& v : s) {
        v = dc.process(v);
    }
    const std::size_t fadeIn = std::min(s.size(), sampleAt(fadeInSeconds));
    const std::size_t fadeOut = std::min(s.size(), sampleAt(fadeOutSeconds));
    for (std::size_t i = 0; i < fadeIn; ++i) {
        s[i] *= 0.5 - 0.5 * std::cos(3.141592653589793 * static_cast<double>(i) /
                                     static_cast<double>(fadeIn));
    }
    for (std::size_t i = 0; i < fadeOut; ++i) {
        const double k = 0.5 - 0.5 * std::cos(3.141592653589793 * static_cast<double>(i) /
                                              static_cast<double>(fadeOut));
        s[s.size() - 1 - i] *= k;
    }
    double loudest = 0.0;
    for (double v : s) {
        loudest = std::max(loudest, std::abs(v));
    }
    Sound sound;
    sound.channels = 1;
    sound.samples.reserve(s.size());
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;
    for (double v : s) {
        sound.samples.push_back(static_cast<float>(v * gain));
    }
    return sound;
}

double noteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, static_cast<double>(midiNote - 69) / 12.0);
}

} // namespace vh::assets

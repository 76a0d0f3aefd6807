#pragma once

#include <cstdint>

namespace vh::assets {

// Fixed-seed integer hashing and lattice noise. Everything here is a pure
// function of its arguments, so the pictures come out the same in every run.

std::uint32_t hashMix(std::uint32_t value);
std::uint32_t hashInts(std::int32_t x, std::int32_t y, std::uint32_t seed);
// A hash as a float in [0, 1).
float hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);
// Hash of a text (FNV-1a followed by a final mix).
std::uint32_t hashText(const char* text);

// Gradient (Perlin-style) noise, roughly -1..1, feature size one lattice cell.
float gradientNoise(float x, float y, std::uint32_t seed);
// The same noise repeating every `periodX` x `periodY` lattice cells.
float periodicNoise(float x, float y, int periodX, int periodY, std::uint32_t seed);

// Fractal sums of octaves, each twice the frequency and `gain` times the weight
// of the one before; normalised to roughly -1..1.
float fbm(float x, float y, std::uint32_t seed, int octaves, float gain = 0.5f);
// Repeats every `period` units of x and y (period in cells of the first octave).
float periodicFbm(float x, float y, int period, std::uint32_t seed, int octaves, float gain = 0.5f);

// Distances to the nearest and second-nearest feature point of a jittered grid
// (cell noise), in lattice units; repeats every `period` cells when period > 0.
struct CellDistances {
    float nearest = 0.0f;
    float second = 0.0f;
    std::uint32_t cellId = 0;
};
CellDistances cellNoise(float x, float y, std::uint32_t seed, int period = 0);

} // namespace vh::assets

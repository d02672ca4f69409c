// The generator's one source of randomness: a fixed-seed generator, so two builds write the same
// bytes. Every recipe derives its own stream from a name, so adding a recipe changes no other.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

namespace soundpack {

class RandomSource {
public:
    explicit RandomSource(uint64_t seed) : state_(seed) {}

    // A stream of its own for each name (FNV-1a of the name mixed into the pack seed).
    static RandomSource forName(std::string_view name) {
        uint64_t hash = 0xcbf29ce484222325ull;
        for (char c : name) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
        }
        return RandomSource(hash ^ packSeed);
    }

    // splitmix64: small, fast and good enough for noise.
    uint64_t next() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double uniform(double low, double high) { return low + (high - low) * uniform(); }

    // Uniform in [-1, 1).
    double bipolar() { return 2.0 * uniform() - 1.0; }

    // Standard normal deviate (Box-Muller; one value per call keeps the stream simple).
    double gaussian() {
        const double u1 = 1.0 - uniform();
        const double u2 = uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }

private:
    static constexpr uint64_t packSeed = 0x5a657068797269ull; // "Zephyri"
    uint64_t state_;
};

} // namespace soundpack

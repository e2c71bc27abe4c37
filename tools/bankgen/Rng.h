// A random source whose every draw is defined here, not by the standard
// library's distributions, so that a seed gives the same bank on any platform.
#pragma once

#include <cstdint>
#include <utility>

namespace bankgen {

class Rng {
public:
    explicit Rng(std::uint64_t seed) {
        for (auto& word : s_)
            word = SplitMix(seed);
    }

    // Mixes several numbers into one seed, for per-slot streams.
    static std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
        std::uint64_t x = a ^ (b + 0x9E3779B97F4A7C15ull + (a << 6) + (a >> 2));
        return SplitMix(x);
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }

    // Uniform in 0..n-1 (n > 0), by rejection so that no value is favoured.
    std::uint32_t Below(std::uint32_t n) {
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
        std::uint64_t x;
        do {
            x = Next();
        } while (x >= limit);
        return static_cast<std::uint32_t>(x % n);
    }

    template <class It> void Shuffle(It first, It last) {
        for (auto n = last - first; n > 1; --n)
            std::swap(first[n - 1], first[Below(static_cast<std::uint32_t>(n))]);
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    static std::uint64_t SplitMix(std::uint64_t& x) {
        std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t s_[4];
};

} // namespace bankgen

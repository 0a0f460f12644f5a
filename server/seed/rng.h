#pragma once
// A small deterministic generator (splitmix64): the same seed gives the same demo data on every
// platform and standard library, which std::uniform_int_distribution does not promise.

#include <cstdint>
#include <span>
#include <string>

namespace vq::seed {

class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 <= result < n (n > 0).
    std::uint64_t below(std::uint64_t n) { return next() % n; }
    int between(int lo, int hi) {
        return lo + static_cast<int>(below(static_cast<std::uint64_t>(hi - lo + 1)));
    }
    bool chance(int percent) { return below(100) < static_cast<std::uint64_t>(percent); }
    double money(int lo, int hi) { return between(lo, hi) * 100.0 + between(0, 99) * 1.0; }

    template <class T> const T& pick(std::span<const T> items) { return items[below(items.size())]; }
    std::string digits(int count) {
        std::string out;
        for (int i = 0; i < count; ++i)
            out += static_cast<char>('0' + below(10));
        return out;
    }

private:
    std::uint64_t state_;
};

} // namespace vq::seed

// Deterministic pseudo-random input for the robustness tests. SplitMix64
// and plain modulo keep every sequence the same with every compiler and
// standard library, so a failure found with a seed can be replayed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

class TTestRandom {
public:
  explicit TTestRandom(std::uint64_t Seed) : FState(Seed) {}

  std::uint64_t Next() {
    std::uint64_t Z = (FState += 0x9E3779B97F4A7C15ull);
    Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
    Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
    return Z ^ (Z >> 31);
  }
  // 0 .. N - 1 (N > 0).
  std::uint32_t Below(std::uint64_t N) { return std::uint32_t(Next() % N); }
  // Low .. High, both included; the span may exceed the int range.
  int Between(int Low, int High) {
    return int(std::int64_t(Low) +
               std::int64_t(Below(std::uint64_t(std::int64_t(High) - Low + 1))));
  }
  bool OneIn(std::uint32_t N) { return Below(N) == 0; }
  bool Percent(int P) { return int(Below(100)) < P; }
  int Any() { return int(std::uint32_t(Next())); }

  template <class T, std::size_t N> T Pick(const T (&Items)[N]) { return Items[Below(N)]; }
  template <class T> T Pick(std::initializer_list<T> Items) {
    return Items.begin()[Below(Items.size())];
  }
  template <class T> T Pick(const std::vector<T>& Items) { return Items[Below(Items.size())]; }

private:
  std::uint64_t FState;
};

// Deterministic randomness for the land's pictures: a seeded generator for scattering
// things and smooth value noise for ground that should not look flat.
#pragma once

#include <cmath>
#include <cstdint>

namespace land {

class Random {
public:
  explicit Random(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
  uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  double unit() { return double(next() >> 8) / double(1u << 24); }  // [0, 1)
  double range(double low, double high) { return low + (high - low) * unit(); }
  int below(int n) { return int(next() % uint32_t(n)); }

private:
  uint32_t state_;
};

inline double hashUnit(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return double((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

// Smooth noise in [0, 1] with features about `size` pixels across.
inline double valueNoise(double x, double y, double size, uint32_t seed) {
  const double fx = x / size, fy = y / size;
  const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
  double tx = fx - ix, ty = fy - iy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const double a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
  const double c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Several octaves: large shapes with finer detail on them.
inline double fractalNoise(double x, double y, double size, uint32_t seed, int octaves = 4) {
  double sum = 0, weight = 0, amplitude = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += valueNoise(x, y, size, seed + uint32_t(i) * 101u) * amplitude;
    weight += amplitude;
    amplitude *= 0.5;
    size *= 0.5;
  }
  return sum / weight;
}

}  // namespace land

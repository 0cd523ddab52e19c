#pragma once
#include <cmath>

struct Vec3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  // A vector of length exactly 0 becomes (0, 1, 0), so a degenerate tangent
  // still yields a defined cross product.
  float Normalise() {
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f) {
      y = 1.0f;
      return 0.0f;
    }
    const float inverse = 1.0f / length;
    x *= inverse;
    y *= inverse;
    z *= inverse;
    return length;
  }
};

inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// Only the z component of b x a matters to the glow: it is the part of the
// surface normal along the viewing axis.
inline float CrossZ(const Vec3& b, const Vec3& a) { return b.x * a.y - b.y * a.x; }

#include "platform/web/gl/matrix.h"

#include <cmath>

namespace webgl_layer {

namespace {

constexpr double kPi = 3.14159265358979323846;

void normalise(float v[3]) {
  const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (length == 0.0f) return;
  for (int i = 0; i < 3; ++i) v[i] /= length;
}

void cross(const float a[3], const float b[3], float out[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

}  // namespace

Mat4 identityMatrix() {
  Mat4 r{};
  for (int i = 0; i < 4; ++i) r.m[i * 5] = 1.0f;
  return r;
}

Mat4 multiply(const Mat4& a, const Mat4& b) {
  Mat4 r{};
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += a.m[k * 4 + row] * b.m[column * 4 + k];
      r.m[column * 4 + row] = sum;
    }
  }
  return r;
}

Mat4 translation(float x, float y, float z) {
  Mat4 r = identityMatrix();
  r.m[12] = x;
  r.m[13] = y;
  r.m[14] = z;
  return r;
}

Mat4 scaling(float x, float y, float z) {
  Mat4 r = identityMatrix();
  r.m[0] = x;
  r.m[5] = y;
  r.m[10] = z;
  return r;
}

bool rotation(float degrees, float x, float y, float z, Mat4* out) {
  float axis[3] = {x, y, z};
  if (x == 0.0f && y == 0.0f && z == 0.0f) return false;
  normalise(axis);
  const double radians = static_cast<double>(degrees) * kPi / 180.0;
  const float s = static_cast<float>(std::sin(radians));
  const float c = static_cast<float>(std::cos(radians));
  const float t = 1.0f - c;
  const float ax = axis[0], ay = axis[1], az = axis[2];
  *out = identityMatrix();
  float* m = out->m;
  m[0] = ax * ax * t + c;
  m[1] = ay * ax * t + az * s;
  m[2] = ax * az * t - ay * s;
  m[4] = ax * ay * t - az * s;
  m[5] = ay * ay * t + c;
  m[6] = ay * az * t + ax * s;
  m[8] = ax * az * t + ay * s;
  m[9] = ay * az * t - ax * s;
  m[10] = az * az * t + c;
  return true;
}

bool perspective(double fovyDegrees, double aspect, double zNear, double zFar, Mat4* out) {
  const double halfAngle = fovyDegrees / 2.0 * kPi / 180.0;
  const double depth = zFar - zNear;
  const double sine = std::sin(halfAngle);
  if (depth == 0.0 || sine == 0.0 || aspect == 0.0) return false;
  const double f = std::cos(halfAngle) / sine;
  *out = identityMatrix();
  float* m = out->m;
  m[0] = static_cast<float>(f / aspect);
  m[5] = static_cast<float>(f);
  m[10] = static_cast<float>(-(zFar + zNear) / depth);
  m[11] = -1.0f;
  m[14] = static_cast<float>(-2.0 * zNear * zFar / depth);
  m[15] = 0.0f;
  return true;
}

Mat4 lookAt(const double eye[3], const double centre[3], const double up[3]) {
  float forward[3], side[3], upward[3];
  const float rawUp[3] = {static_cast<float>(up[0]), static_cast<float>(up[1]),
                          static_cast<float>(up[2])};
  for (int i = 0; i < 3; ++i) forward[i] = static_cast<float>(centre[i] - eye[i]);
  normalise(forward);
  cross(forward, rawUp, side);
  normalise(side);
  cross(side, forward, upward);
  Mat4 view = identityMatrix();
  for (int i = 0; i < 3; ++i) {
    view.m[i * 4 + 0] = side[i];
    view.m[i * 4 + 1] = upward[i];
    view.m[i * 4 + 2] = -forward[i];
  }
  const Mat4 move = translation(static_cast<float>(-eye[0]), static_cast<float>(-eye[1]),
                                static_cast<float>(-eye[2]));
  return multiply(view, move);
}

}  // namespace webgl_layer

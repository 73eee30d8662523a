// 4 x 4 single-precision matrices as GL keeps them (column-major), and the matrices that the GL
// 1.1 transformation commands and GLU's gluPerspective and gluLookAt multiply by.
#pragma once

namespace webgl_layer {

struct Mat4 {
  float m[16];  // m[column * 4 + row]
};

Mat4 identityMatrix();
// a * b: b applies first to a vector, as glMultMatrix puts it after the current matrix.
Mat4 multiply(const Mat4& a, const Mat4& b);
Mat4 translation(float x, float y, float z);
Mat4 scaling(float x, float y, float z);
// A rotation of `degrees` counter-clockwise about the axis (x, y, z), normalised first. False for
// the zero axis.
bool rotation(float degrees, float x, float y, float z, Mat4* out);
// GLU's perspective matrix, computed in double as GLU does. False where GLU leaves the matrix
// alone: equal near and far planes, a zero aspect or a zero (or 360-degree) field of view. A near
// plane of 0 is allowed: the matrix then sends every depth to 1.
bool perspective(double fovyDegrees, double aspect, double zNear, double zFar, Mat4* out);
// GLU's viewing matrix: the eye at `eye` looking at `centre`, `up` giving the vertical.
Mat4 lookAt(const double eye[3], const double centre[3], const double up[3]);

}  // namespace webgl_layer

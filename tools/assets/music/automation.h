// A parameter that changes over the piece (a level, a cutoff), given as breakpoints in seconds
// and joined by straight lines; before the first and after the last point it holds its value.
#pragma once

#include <utility>
#include <vector>

class Curve {
 public:
  Curve() = default;
  Curve(std::initializer_list<std::pair<float, float>> points);

  float at(float seconds) const;

 private:
  std::vector<std::pair<float, float>> points;
};

// Setting and clearing environment variables in a test, on POSIX and on Windows alike.
#pragma once

#include <cstdlib>

namespace testing_support {

inline void setEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value);
#else
  setenv(name, value, 1);
#endif
}

// On Windows an empty value removes the variable.
inline void unsetEnvironment(const char* name) {
#ifdef _WIN32
  _putenv_s(name, "");
#else
  unsetenv(name);
#endif
}

}  // namespace testing_support

/* A preloaded probe for start-up measurements: writes the wall-clock time of the demo's first
 * buffer swap, in nanoseconds, to the file named by FIRST_FRAME_PROBE_FILE, then hands every swap
 * on to SDL. The program itself is unchanged; only scripts/measure-startup loads this. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef void (*SwapWindow)(void* window);

void SDL_GL_SwapWindow(void* window) {
  static SwapWindow real = NULL;
  static int seen = 0;
  if (real == NULL) real = (SwapWindow)dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
  real(window);
  if (seen) return;
  seen = 1;
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  const char* path = getenv("FIRST_FRAME_PROBE_FILE");
  FILE* out = path != NULL ? fopen(path, "w") : NULL;
  if (out == NULL) return;
  fprintf(out, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
  fclose(out);
}

// Display lists: glGenLists, glNewList (GL_COMPILE and GL_COMPILE_AND_EXECUTE), glEndList,
// glCallList, glDeleteLists. A list holds the calls made while it was open, each with its
// arguments as they were (a texture image's pixels included), and replays them through the same
// entry points. Commands that GL runs at once instead of compiling (glGenLists, glDeleteLists,
// glGenTextures, glPixelStorei, glPushClientAttrib, glPopClientAttrib, glReadPixels, glFinish,
// glGet*) never ask to be deferred.
#pragma once

#include <functional>
#include <utility>

#include "platform/web/gl/layer_state.h"

namespace webgl_layer {

// GL's minimum nesting of glCallList inside lists.
constexpr int kMaxListNesting = 64;

// True while calls are being recorded: a command that must copy its arguments first asks this.
bool compilingList();
// Records `call` in the list being compiled; see deferToList.
bool recordInList(std::function<void()> call);

// Records `call` in the list being compiled. True when the caller must not run it now (the list
// is compiled with GL_COMPILE); false when it runs as usual (no list open, GL_COMPILE_AND_EXECUTE,
// or the call comes from a list being replayed). Outside a list nothing is built: every
// immediate-mode call passes here.
template <typename Call>
bool deferToList(Call&& call) {
  return compilingList() && recordInList(std::function<void()>(std::forward<Call>(call)));
}

GLuint openListName();  // 0 when no list is open
GLenum openListMode();  // 0 when no list is open
void resetDisplayLists();

}  // namespace webgl_layer

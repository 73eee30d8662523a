#include "platform/web/gl/display_lists.h"

#include <map>
#include <utility>
#include <vector>

namespace webgl_layer {

namespace {

using DisplayList = std::vector<std::function<void()>>;

std::map<GLuint, DisplayList> lists;  // every name handed out; an empty list until compiled
GLuint openName = 0;
GLenum openMode = 0;
DisplayList compiling;
int replayDepth = 0;

// The first of `range` consecutive free names, or 0.
GLuint freeRange(GLsizei range) {
  GLuint first = 1;
  for (const auto& [name, list] : lists) {
    if (name >= first + static_cast<GLuint>(range)) break;
    if (name >= first) first = name + 1;
  }
  if (first + static_cast<GLuint>(range) < first) return 0;  // wrapped past the last name
  return first;
}

}  // namespace

bool compilingList() { return openName != 0 && replayDepth == 0; }

bool recordInList(std::function<void()> call) {
  compiling.push_back(std::move(call));
  return openMode == GL_COMPILE;
}

GLuint openListName() { return openName; }
GLenum openListMode() { return openMode; }

void resetDisplayLists() {
  lists.clear();
  openName = 0;
  openMode = 0;
  compiling.clear();
  replayDepth = 0;
}

}  // namespace webgl_layer

using namespace webgl_layer;

extern "C" GLuint glGenLists(GLsizei range) {
  if (refusedInsideBegin()) return 0;
  if (range < 0) {
    recordError(GL_INVALID_VALUE);
    return 0;
  }
  if (range == 0) return 0;
  const GLuint first = freeRange(range);
  for (GLsizei i = 0; first != 0 && i < range; ++i) lists[first + static_cast<GLuint>(i)];
  return first;
}

extern "C" void glNewList(GLuint name, GLenum mode) {
  if (refusedInsideBegin()) return;
  if (name == 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  if (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE) {
    recordError(GL_INVALID_ENUM);
    return;
  }
  if (openName != 0) {
    recordError(GL_INVALID_OPERATION);
    return;
  }
  openName = name;
  openMode = mode;
  compiling.clear();
}

extern "C" void glEndList() {
  if (refusedInsideBegin()) return;
  if (openName == 0) {
    recordError(GL_INVALID_OPERATION);
    return;
  }
  lists[openName] = std::move(compiling);
  compiling.clear();
  openName = 0;
  openMode = 0;
}

extern "C" void glCallList(GLuint name) {
  if (deferToList([=] { glCallList(name); })) return;
  if (replayDepth >= kMaxListNesting) return;
  const auto found = lists.find(name);
  if (found == lists.end()) return;
  // No command that changes the lists is ever compiled, so the list stays as it is while it runs.
  ++replayDepth;
  for (const std::function<void()>& call : found->second) call();
  --replayDepth;
}

extern "C" void glDeleteLists(GLuint first, GLsizei range) {
  if (refusedInsideBegin()) return;
  if (range < 0) {
    recordError(GL_INVALID_VALUE);
    return;
  }
  if (range == 0) return;
  // Only the names in use are visited, however wide the range; one that would run past the
  // largest name stops there.
  const GLuint last = first + static_cast<GLuint>(range - 1);
  const auto end = last < first ? lists.end() : lists.upper_bound(last);
  lists.erase(lists.lower_bound(first), end);
}

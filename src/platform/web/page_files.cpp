// The asset pack's files as they arrive in the page: the page downloads them while the program
// runs (page/downloads.js) and writes each into the program's file system under its bare name,
// where the decoders read it as from a disk. A file not there yet is waited for when the program
// needs it, the page saying meanwhile what the demo waits for; a file that failed to arrive is
// not written, and reads as missing.
#include <emscripten.h>

#include "platform/web/web_backend.h"

namespace platform::web {

namespace {

EM_JS(int, pageFileArrived, (const char* name), {
  return tamsirelPage.files.arrived(UTF8ToString(name)) ? 1 : 0;
});
EM_ASYNC_JS(void, pageAwaitFile, (const char* name), {
  await tamsirelPage.files.await(UTF8ToString(name));
});

}  // namespace

// Under node, where the unit tests run, the files are on the machine's disk.
bool fileArrived(const char* fileName) {
  return !pageAvailable() || pageFileArrived(fileName) != 0;
}

// Asked first without waiting: a wait suspends the program for at least a turn of the page.
void awaitFile(const char* fileName) {
  if (!fileArrived(fileName)) pageAwaitFile(fileName);
}

}  // namespace platform::web

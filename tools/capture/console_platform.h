// What the capture does where the demo would talk to the viewer: a message box becomes
// "caption: text" on standard error, and ending the process first abandons the outputs that
// are not finished, so a failed run leaves no video that looks complete.
#pragma once

void installConsoleBoxes();
// `abandon` runs once when the program ends the process (fatalError and the like).
void setExitCleanup(void (*abandon)());

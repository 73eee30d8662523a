// The ids of the program's resources, shared by its resource script (program.rc) and the code
// that loads them. Plain macros: the resource compiler reads this file too.
#pragma once

// The program's icon; the first icon group, so also the one Explorer shows for the file.
#define TAMSIREL_ICON 1

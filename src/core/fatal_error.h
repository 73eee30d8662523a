// The end of the program after a failure that makes going on pointless: a system-modal "ERROR!"
// box with the stop icon and `message`, then exit status 1. Nothing is released first.
#pragma once

[[noreturn]] void fatalError(const char* message);

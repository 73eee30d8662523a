// The fixed message for each error code of the sound layer, as shown in the "ERROR!" box when
// the soundtrack cannot be set up. Not here: reading the code (platform soundGetError).
#pragma once

const char* soundErrorText(int code);

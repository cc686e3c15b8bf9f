// The mapping of platform key codes to key indices, shared by the window
// procedure and the key protocol.
#ifndef BELLSCOPE_DISPLAY_KEY_MAPPING_H
#define BELLSCOPE_DISPLAY_KEY_MAPPING_H

#include "display_state.h"

// Key index of a platform key code (Windows virtual key, or one of the six X
// keysyms of Shift, Control and Alt); 0 for keys that are never reported.
int KEY_INDEX(WPARAM key_code);

#endif

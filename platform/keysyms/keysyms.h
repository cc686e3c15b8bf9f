// The Shift, Control and Alt keys as the Windows API stand-in delivers them
// in WM_KEYDOWN and WM_KEYUP: as the X keysyms of an X11 build, never as
// VK_SHIFT, VK_CONTROL or VK_MENU. The display library maps them to its
// modifier flags; the SDL2 and browser backends produce them.
#ifndef BELLSCOPE_PLATFORM_KEYSYMS_H
#define BELLSCOPE_PLATFORM_KEYSYMS_H

enum : unsigned {
  KEYSYM_SHIFT_L = 65505,
  KEYSYM_SHIFT_R = 65506,
  KEYSYM_CONTROL_L = 65507,
  KEYSYM_CONTROL_R = 65508,
  KEYSYM_ALT_L = 65513,
  KEYSYM_ALT_R = 65514,
};

#endif

// BELLSCOPE: an interactive explorer of products of Gaussian curves.
#include <cstdio>
#include <cstdlib>

#include "command_line.h"
#include "display.h"
#include "explorer.h"

int main(int argc, char** argv) {
  static gaussian_set view;
  const int answered = PROGRAM_COMMAND_LINE(argc, argv, &view, stdout, stderr);
  if (answered >= 0) return answered;
  unsigned char* screen_image = static_cast<unsigned char*>(std::malloc(SCREEN_WIDTH * SCREEN_HEIGHT));
  if (!screen_image) {
    std::printf("ERROR mallocing screen_image\n");
    return 1;
  }
  static explorer e;
  EXPLORER_START(&e, screen_image);
  e.set = view;
  // Without a window the loop would run blind, with no way to quit.
  if (!window_handle[0]) {
    std::printf("ERROR opening window\n");
    return 1;
  }
  do {
    EXPLORER_PASS(&e);
  } while (!e.quit);
  EXPLORER_END(&e);
  return 0;
}

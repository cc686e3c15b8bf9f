// bellscope-frame: composes the explorer's frame for a given state and writes
// it as a PNG with the program's colours, for tests, slides and handouts.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "colours.h"
#include "frame.h"
#include "frame_command_line.h"
#include "png_writer.h"
#include "version.h"
#include "view.h"

int main(int argc, char** argv) {
  static gaussian_set set;
  static gaussian_curves curves;
  static frame_scratch scratch;
  static frame_extras extras;
  static unsigned char screen_image[SCREEN_WIDTH * SCREEN_HEIGHT];
  const char* out = nullptr;
  char error[VIEW_ERROR_SIZE];

  switch (PARSE_FRAME_OPTIONS(argc, argv, &set, &extras, &out, error)) {
    case FRAME_HELP: PRINT_FRAME_HELP(stdout); return 0;
    case FRAME_VERSION: std::printf("bellscope-frame %s\n", BELLSCOPE_VERSION); return 0;
    case FRAME_BAD:
      std::fprintf(stderr, "bellscope-frame: %s\n", error);
      std::fputs(frame_usage, stderr);
      return 2;
    case FRAME_WRITE: break;
  }
  COMPOSE_CHOSEN_FRAME(screen_image, &set, &extras, &curves, &scratch);

  unsigned char palette[256][3];
  SCHEME_PALETTE(palette);
  if (!WRITE_PALETTE_PNG(out, screen_image, SCREEN_WIDTH, SCREEN_HEIGHT, palette)) {
    std::fprintf(stderr, "bellscope-frame: cannot write %s: %s\n", out, std::strerror(errno));
    return 1;
  }
  return 0;
}

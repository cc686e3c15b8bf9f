// libFuzzer target: the frame tool's option parser with any arguments (the
// input, split at zero bytes), then the frame it describes computed and
// composed, so that any number it accepts goes through the whole frame.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "frame.h"
#include "frame_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words{"bellscope-frame"};
  std::string word;
  for (std::size_t i = 0; i < size && words.size() < 40; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[i]);
    }
  }
  words.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& w : words) argv.push_back(w.c_str());

  static gaussian_set set;
  static gaussian_curves curves;
  static frame_scratch scratch;
  static unsigned char image[SCREEN_WIDTH * SCREEN_HEIGHT];
  const char* out = nullptr;
  char error[FRAME_ERROR_SIZE + 1];
  error[FRAME_ERROR_SIZE] = 0x7f;  // must survive: the parser writes at most FRAME_ERROR_SIZE bytes
  const frame_request r = PARSE_FRAME_OPTIONS(static_cast<int>(argv.size()), argv.data(), &set, &out, error);
  if (error[FRAME_ERROR_SIZE] != 0x7f) std::abort();
  if (r == FRAME_BAD && (std::strlen(error) == 0 || std::strlen(error) >= FRAME_ERROR_SIZE)) std::abort();
  if (r == FRAME_WRITE && !out) std::abort();
  if (set.selected < 1 || set.selected > GAUSSIAN_COUNT) std::abort();
  COMPUTE_CURVES(&set, &curves);
  COMPOSE_FRAME(image, &set, &curves, &scratch);
  return 0;
}

// libFuzzer target: the view grammar. The frame tool's option parser with
// any arguments (the input, split at zero bytes), then the frame it describes
// computed and composed, so that any number it accepts goes through the whole
// frame; and the same input as a web page's address, whose view, written
// back as an address, must read back the same.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "frame.h"
#include "frame_command_line.h"
#include "view.h"

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
  static frame_extras extras;
  static unsigned char image[SCREEN_WIDTH * SCREEN_HEIGHT];
  const char* out = nullptr;
  char error[VIEW_ERROR_SIZE + 1];
  error[VIEW_ERROR_SIZE] = 0x7f;  // must survive: the parser writes at most VIEW_ERROR_SIZE bytes
  const frame_request r = PARSE_FRAME_OPTIONS(static_cast<int>(argv.size()), argv.data(), &set, &extras, &out, error);
  if (error[VIEW_ERROR_SIZE] != 0x7f) std::abort();
  if (r == FRAME_BAD && (std::strlen(error) == 0 || std::strlen(error) >= VIEW_ERROR_SIZE)) std::abort();
  if (r == FRAME_WRITE && !out) std::abort();
  if (set.selected < 1 || set.selected > GAUSSIAN_COUNT) std::abort();
  COMPOSE_CHOSEN_FRAME(image, &set, &extras, &curves, &scratch);

  const std::string address(reinterpret_cast<const char*>(data), size);
  static gaussian_set view, back;
  view_refusal refusal;
  if (PARSE_VIEW_ADDRESS(address.c_str(), &view, &refusal)) {
    char query[VIEW_ADDRESS_SIZE];
    FORMAT_VIEW_ADDRESS(&view, query, sizeof query);
    if (!PARSE_VIEW_ADDRESS(query, &back, &refusal)) std::abort();
    for (int k = 0; k < GAUSSIAN_COUNT; ++k)
      if (std::memcmp(&view.g[k].u, &back.g[k].u, sizeof(double)) != 0 ||
          std::memcmp(&view.g[k].sigma, &back.g[k].sigma, sizeof(double)) != 0 || view.g[k].on != back.g[k].on)
        std::abort();
    if (view.selected != back.selected || view.recalc != back.recalc || view.names != back.names) std::abort();
    COMPUTE_CURVES(&view, &curves);
    COMPOSE_FRAME(image, &view, &curves, nullptr, &scratch);
  } else {
    // Said in English within its buffer, and as JSON the page can read.
    static char json[VIEW_JSON_SIZE + 1];
    json[VIEW_JSON_SIZE] = 0x7f;
    VIEW_REFUSAL_TEXT(&refusal, error);
    VIEW_REFUSAL_JSON(&refusal, json);
    if (std::strlen(error) == 0 || error[VIEW_ERROR_SIZE] != 0x7f || json[VIEW_JSON_SIZE] != 0x7f) std::abort();
    if (json[std::strlen(json) - 1] != '}') std::abort();  // whole, not cut short
  }
  return 0;
}

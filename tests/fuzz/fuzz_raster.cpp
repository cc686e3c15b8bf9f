// libFuzzer target: every entry point of the raster library with arbitrary
// image sizes, positions, colours, traces and strings. The image lies between
// guard bands that must stay untouched; AddressSanitizer watches the rest.
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "raster.h"

namespace {

constexpr std::size_t GUARD = 256;
constexpr unsigned char GUARD_BYTE = 0x5A;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_input in{data, size};
  // Up to 96x64, sometimes empty or negative.
  const int width = static_cast<int>(in.byte() % 100) - 4, height = static_cast<int>(in.byte() % 68) - 4;
  const std::size_t pixels = width > 0 && height > 0 ? static_cast<std::size_t>(width) * height : 0;
  std::vector<unsigned char> buffer(GUARD * 2 + pixels, GUARD_BYTE);
  unsigned char* image = buffer.data() + GUARD;
  for (std::size_t i = 0; i < pixels; ++i) image[i] = 0;

  for (int call = 0; call < 64 && !in.empty(); ++call) {
    switch (in.byte() % 7) {
      case 0: {
        const int x1 = in.coordinate(), y1 = in.coordinate(), x2 = in.coordinate(), y2 = in.coordinate();
        CLIP_LINE(image, width, height, x1, y1, x2, y2, in.coordinate());
        break;
      }
      case 1: {
        // DRAW_LINE requires both ends inside the image: keep them there.
        if (width <= 0 || height <= 0) break;
        const int x1 = in.byte() % width, y1 = in.byte() % height, x2 = in.byte() % width, y2 = in.byte() % height;
        DRAW_LINE(image, width, height, x1, y1, x2, y2, in.byte());
        break;
      }
      case 2: {
        unsigned char trace[300];
        const int count = static_cast<int>(in.byte()) + static_cast<int>(in.byte() % 64) - 20;
        for (unsigned char& t : trace) t = in.byte();
        const int x0 = in.coordinate(), y0 = in.coordinate();
        const int xd = static_cast<int>(in.byte() % 6) - 1, yd = static_cast<int>(in.byte() % 6) - 1;
        PLOT_TRACE(image, width, height, trace, count < 300 ? count : 300, x0, y0, xd, yd, in.coordinate());
        break;
      }
      case 3: {
        double curve[64];
        unsigned char trace[64];
        for (double& v : curve) {
          std::uint64_t bits = static_cast<std::uint64_t>(in.u32()) << 32 | in.u32();
          std::memcpy(&v, &bits, sizeof v);  // any double: NaN, infinities, subnormals
        }
        double gain;
        std::uint64_t bits = static_cast<std::uint64_t>(in.u32()) << 32 | in.u32();
        std::memcpy(&gain, &bits, sizeof gain);
        SCALE_TO_BYTES(curve, trace, 64, gain);
        break;
      }
      case 4:
      case 5: {
        const int x = in.coordinate(), y = in.coordinate(), fg = in.coordinate();
        const int bg = in.byte() % 2 ? -1 : in.coordinate();
        const std::string s = in.text(40);
        const bool twice = in.byte() % 2;
        if (s.size() == 1)
          (twice ? DRAW_CHAR_2X : DRAW_CHAR)(image, width, height, x, y, static_cast<signed char>(s[0]), fg, bg);
        else
          (twice ? DRAW_TEXT_2X : DRAW_TEXT)(image, width, height, x, y, s.c_str(), fg, bg);
        break;
      }
      default:
        DRAW_CHAR(image, width, height, in.coordinate(), in.coordinate(), static_cast<int>(in.u32()), 1, 2);
        break;
    }
  }
  for (std::size_t i = 0; i < GUARD; ++i)
    if (buffer[i] != GUARD_BYTE || buffer[buffer.size() - 1 - i] != GUARD_BYTE) std::abort();  // wrote outside
  return 0;
}

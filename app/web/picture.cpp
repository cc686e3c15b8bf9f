// "Save picture": the frame shown now as a PNG, in the colours shown. The
// page compresses the image data where the browser can (CompressionStream);
// the program assembles the file around it, or around the data stored
// uncompressed where the browser cannot.
#include "frame.h"
#include "page.h"
#include "png.h"
#include "web_state.h"

namespace {

enum { SCANLINES_SIZE = (SCREEN_WIDTH + 1) * SCREEN_HEIGHT };
unsigned char scanlines[SCANLINES_SIZE];
unsigned char image_data[SCANLINES_SIZE + SCANLINES_SIZE / 64 + 64];  // stored blocks are this size at most
unsigned char png[PNG_OVERHEAD + sizeof image_data];

}  // namespace

void BELLSCOPE_PICTURE_SCANLINES() {
  PNG_SCANLINES(web.screen_image, SCREEN_WIDTH, SCREEN_HEIGHT, scanlines);
  PAGE_SCANLINES(scanlines, SCANLINES_SIZE);
}

// No zlib stream is empty: with none, the scanlines are stored
// uncompressed. False when the stream does not fit.
int BELLSCOPE_PICTURE(const unsigned char* data, int size) {
  std::size_t zlib_size = 0;
  if (!data || size == 0) {
    PNG_STORED(scanlines, SCANLINES_SIZE, image_data);
    zlib_size = PNG_STORED_SIZE(SCANLINES_SIZE);
  } else {
    if (size < 0 || static_cast<std::size_t>(size) > sizeof image_data) return 0;
    zlib_size = static_cast<std::size_t>(size);
    for (std::size_t i = 0; i < zlib_size; ++i) image_data[i] = data[i];
  }
  unsigned char palette[256][3];
  PALETTE_OF(web.colours, palette);
  PNG_ASSEMBLE(SCREEN_WIDTH, SCREEN_HEIGHT, palette, image_data, zlib_size, png);
  PAGE_PICTURE(png, static_cast<int>(PNG_OVERHEAD + zlib_size));
  return 1;
}

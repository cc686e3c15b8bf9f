// The PNG form of an 8-bit palette image, built in memory around image data
// compressed elsewhere (by zlib on the desktop, by the browser on the web),
// or stored uncompressed where nothing can compress.
#ifndef BELLSCOPE_APP_PNG_H
#define BELLSCOPE_APP_PNG_H

#include <cstddef>

// The bytes of a PNG besides its image data: signature, IHDR, PLTE and the
// IDAT and IEND chunks' own 12 bytes each.
enum { PNG_OVERHEAD = 8 + 25 + 12 + 768 + 12 + 12 };

// What is compressed: each row as filter byte 0 followed by the row.
std::size_t PNG_SCANLINES_SIZE(int width, int height);
void PNG_SCANLINES(const unsigned char* pixels, int width, int height, unsigned char* scanlines);

// A zlib stream of `size` bytes in stored (uncompressed) deflate blocks:
// PNG_STORED_SIZE(size) bytes written to `out`.
std::size_t PNG_STORED_SIZE(std::size_t size);
void PNG_STORED(const unsigned char* data, std::size_t size, unsigned char* out);

// Writes the PNG of a width x height image with a 256-entry RGB palette
// whose image data is the zlib stream `zlib` (its scanlines, compressed)
// into `out`, PNG_OVERHEAD + zlib_size bytes.
void PNG_ASSEMBLE(int width, int height, const unsigned char palette[256][3], const unsigned char* zlib,
                  std::size_t zlib_size, unsigned char* out);

#endif

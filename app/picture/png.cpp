#include "png.h"

#include <cstdint>
#include <cstring>

namespace {

std::uint32_t crc_table[256];

std::uint32_t crc(const unsigned char* data, std::size_t n) {
  if (crc_table[1] == 0)
    for (std::uint32_t i = 0; i < 256; ++i) {
      std::uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
      crc_table[i] = c;
    }
  std::uint32_t c = 0xffffffffu;
  for (std::size_t i = 0; i < n; ++i) c = crc_table[(c ^ data[i]) & 0xff] ^ (c >> 8);
  return c ^ 0xffffffffu;
}

unsigned char* put32(unsigned char* out, std::uint32_t v) {
  out[0] = static_cast<unsigned char>(v >> 24);
  out[1] = static_cast<unsigned char>(v >> 16);
  out[2] = static_cast<unsigned char>(v >> 8);
  out[3] = static_cast<unsigned char>(v);
  return out + 4;
}

// A chunk: length, type, the data (copied unless it is in place already),
// and the CRC of type and data.
unsigned char* chunk(unsigned char* out, const char* type, const unsigned char* data, std::size_t size) {
  out = put32(out, static_cast<std::uint32_t>(size));
  std::memcpy(out, type, 4);
  if (size && data != out + 4) std::memmove(out + 4, data, size);
  const std::uint32_t c = crc(out, size + 4);
  return put32(out + 4 + size, c);
}

}  // namespace

std::size_t PNG_SCANLINES_SIZE(int width, int height) {
  return width > 0 && height > 0 ? (static_cast<std::size_t>(width) + 1) * static_cast<std::size_t>(height) : 0;
}

void PNG_SCANLINES(const unsigned char* pixels, int width, int height, unsigned char* scanlines) {
  for (int row = 0; row < height; ++row) {
    *scanlines++ = 0;
    std::memcpy(scanlines, pixels + static_cast<std::size_t>(row) * width, static_cast<std::size_t>(width));
    scanlines += width;
  }
}

std::size_t PNG_STORED_SIZE(std::size_t size) {
  const std::size_t blocks = size == 0 ? 1 : (size + 65534) / 65535;
  return 2 + size + 5 * blocks + 4;
}

void PNG_STORED(const unsigned char* data, std::size_t size, unsigned char* out) {
  *out++ = 0x78;
  *out++ = 0x01;
  std::uint32_t a = 1, b = 0;
  std::size_t done = 0;
  do {
    const std::size_t n = size - done < 65535 ? size - done : 65535;
    *out++ = done + n == size ? 1 : 0;
    *out++ = static_cast<unsigned char>(n);
    *out++ = static_cast<unsigned char>(n >> 8);
    *out++ = static_cast<unsigned char>(~n);
    *out++ = static_cast<unsigned char>(~n >> 8);
    for (std::size_t i = 0; i < n; ++i) {
      a = (a + data[done + i]) % 65521;
      b = (b + a) % 65521;
    }
    if (n > 0) std::memcpy(out, data + done, n);  // no data may be a null pointer
    out += n;
    done += n;
  } while (done < size);
  put32(out, (b << 16) | a);
}

void PNG_ASSEMBLE(int width, int height, const unsigned char palette[256][3], const unsigned char* zlib,
                  std::size_t zlib_size, unsigned char* out) {
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::memcpy(out, signature, 8);
  unsigned char header[13];
  put32(header, static_cast<std::uint32_t>(width));
  put32(header + 4, static_cast<std::uint32_t>(height));
  const unsigned char rest[5] = {8, 3, 0, 0, 0};  // 8-bit, palette, deflate, no filter, no interlace
  std::memcpy(header + 8, rest, 5);
  unsigned char* at = chunk(out + 8, "IHDR", header, 13);
  at = chunk(at, "PLTE", &palette[0][0], 768);
  at = chunk(at, "IDAT", zlib, zlib_size);
  chunk(at, "IEND", nullptr, 0);
}

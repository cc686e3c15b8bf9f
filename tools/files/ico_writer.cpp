#include "ico_writer.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void put16(std::vector<unsigned char>& out, unsigned v) {
  out.push_back(static_cast<unsigned char>(v));
  out.push_back(static_cast<unsigned char>(v >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v) {
  put16(out, v & 0xffff);
  put16(out, v >> 16);
}

// Bytes of one row of `bits_per_row` bits, padded to a multiple of 4.
std::uint32_t row_bytes(std::uint32_t bits_per_row) {
  return (bits_per_row + 31) / 32 * 4;
}

// The icon's DIB: a BITMAPINFOHEADER whose height counts the colour image
// and the transparency mask together, the palette as blue, green, red,
// reserved, the colour rows bottom-up, then the 1-bit mask (all 0: opaque).
void append_dib(std::vector<unsigned char>& out, const unsigned char* image, int size,
                const unsigned char palette[256][3]) {
  const std::uint32_t colour_row = row_bytes(size * 8u), mask_row = row_bytes(static_cast<std::uint32_t>(size));
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(size));
  put32(out, static_cast<std::uint32_t>(size) * 2);
  put16(out, 1);  // planes
  put16(out, 8);  // bits per pixel
  put32(out, 0);  // BI_RGB
  put32(out, (colour_row + mask_row) * static_cast<std::uint32_t>(size));
  put32(out, 0);
  put32(out, 0);
  put32(out, 256);  // colours used
  put32(out, 0);
  for (int i = 0; i < 256; ++i) {
    out.push_back(palette[i][2]);
    out.push_back(palette[i][1]);
    out.push_back(palette[i][0]);
    out.push_back(0);
  }
  for (int y = size - 1; y >= 0; --y) {
    const unsigned char* row = image + static_cast<std::size_t>(y) * size;
    out.insert(out.end(), row, row + size);
    out.insert(out.end(), colour_row - size, 0);
  }
  out.insert(out.end(), static_cast<std::size_t>(mask_row) * size, 0);
}

}  // namespace

bool WRITE_PALETTE_ICO(const char* path, const unsigned char* const* images, const int* sizes, int count,
                       const unsigned char palette[256][3]) {
  if (!path || !images || !sizes || count < 1 || count > 8) return false;
  for (int i = 0; i < count; ++i)
    if (!images[i] || sizes[i] < 1 || sizes[i] > 256) return false;

  std::vector<unsigned char> dibs[8];
  for (int i = 0; i < count; ++i) append_dib(dibs[i], images[i], sizes[i], palette);

  std::vector<unsigned char> file;
  put16(file, 0);  // reserved
  put16(file, 1);  // an icon, not a cursor
  put16(file, static_cast<unsigned>(count));
  std::uint32_t offset = 6 + 16u * static_cast<std::uint32_t>(count);
  for (int i = 0; i < count; ++i) {
    file.push_back(static_cast<unsigned char>(sizes[i] & 0xff));  // 256 is written as 0
    file.push_back(static_cast<unsigned char>(sizes[i] & 0xff));
    file.push_back(0);  // 256 colours are written as 0
    file.push_back(0);
    put16(file, 1);
    put16(file, 8);
    put32(file, static_cast<std::uint32_t>(dibs[i].size()));
    put32(file, offset);
    offset += static_cast<std::uint32_t>(dibs[i].size());
  }
  for (int i = 0; i < count; ++i) file.insert(file.end(), dibs[i].begin(), dibs[i].end());

  std::FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
  return std::fclose(f) == 0 && written;
}

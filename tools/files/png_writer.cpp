#include "png_writer.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>

#include <sys/stat.h>
#ifdef _WIN32
#include <process.h>
#include <windows.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace {

std::uint32_t crc_table[256];

void init_crc_table() {
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
    crc_table[n] = c;
  }
}

std::uint32_t crc_update(std::uint32_t crc, const unsigned char* data, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) crc = crc_table[(crc ^ data[i]) & 0xff] ^ (crc >> 8);
  return crc;
}

// Writes a chunk piece by piece, keeping its CRC; the length is written first.
struct chunk_writer {
  std::FILE* f;
  std::uint32_t crc;
  bool ok = true;

  void put(const unsigned char* data, std::size_t n) {
    ok = ok && std::fwrite(data, 1, n, f) == n;
    crc = crc_update(crc, data, n);
  }
  void put32(std::uint32_t v) {
    unsigned char b[4] = {static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
                          static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
    put(b, 4);
  }
  void begin(const char* type, std::uint32_t length) {
    crc = 0;
    put32(length);
    crc = 0xffffffffu;
    put(reinterpret_cast<const unsigned char*>(type), 4);
  }
  void end() { put32(crc ^ 0xffffffffu); }
};

// Whether path names something other than a regular file (a device such as
// /dev/stdout, or a pipe), which is written in place.
bool special_file(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && !S_ISREG(st.st_mode);
}

// Moves the finished file over the target, replacing any file of that name.
bool replace_file(const std::string& from, const char* to) {
#ifdef _WIN32
  return MoveFileExA(from.c_str(), to, MOVEFILE_REPLACE_EXISTING) != 0;
#else
  return std::rename(from.c_str(), to) == 0;
#endif
}

// Writes the whole PNG to f and closes it; false if any write or the close
// failed.
bool write_png(std::FILE* f, const unsigned char* pixels, int width, int height, const unsigned char palette[256][3]) {
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  chunk_writer w{f, 0};
  w.ok = std::fwrite(signature, 1, 8, f) == 8;

  w.begin("IHDR", 13);
  w.put32(static_cast<std::uint32_t>(width));
  w.put32(static_cast<std::uint32_t>(height));
  const unsigned char ihdr_rest[5] = {8, 3, 0, 0, 0};  // 8-bit, palette, deflate, no filter, no interlace
  w.put(ihdr_rest, 5);
  w.end();

  w.begin("PLTE", 768);
  w.put(&palette[0][0], 768);
  w.end();

  // The image data: every row prefixed with filter byte 0, deflated into
  // stored blocks of at most 65535 bytes, wrapped in a zlib stream.
  const std::uint64_t raw = static_cast<std::uint64_t>(width + 1) * height;
  const std::uint64_t blocks = (raw + 65534) / 65535;
  w.begin("IDAT", static_cast<std::uint32_t>(2 + raw + 5 * blocks + 4));
  const unsigned char zlib_header[2] = {0x78, 0x01};
  w.put(zlib_header, 2);
  std::uint32_t adler_a = 1, adler_b = 0;
  std::uint64_t done = 0;
  int row = 0, col = -1;  // col -1 is the row's filter byte
  unsigned char buffer[65535];
  while (done < raw) {
    const std::uint32_t n = static_cast<std::uint32_t>(raw - done < 65535 ? raw - done : 65535);
    const unsigned char header[5] = {static_cast<unsigned char>(done + n == raw), static_cast<unsigned char>(n),
                                     static_cast<unsigned char>(n >> 8), static_cast<unsigned char>(~n),
                                     static_cast<unsigned char>(~n >> 8)};
    w.put(header, 5);
    for (std::uint32_t i = 0; i < n; ++i) {
      unsigned char b = col < 0 ? 0 : pixels[static_cast<std::size_t>(row) * width + col];
      if (++col == width) col = -1, ++row;
      buffer[i] = b;
      adler_a = (adler_a + b) % 65521;
      adler_b = (adler_b + adler_a) % 65521;
    }
    w.put(buffer, n);
    done += n;
  }
  w.put32((adler_b << 16) | adler_a);
  w.end();

  w.begin("IEND", 0);
  w.end();
  const bool written = w.ok && std::fflush(f) == 0;
  const int error = errno;
  const bool closed = std::fclose(f) == 0;
  if (!written) errno = error;
  return written && closed;
}

}  // namespace

bool WRITE_PALETTE_PNG(const char* path, const unsigned char* pixels, int width, int height,
                       const unsigned char palette[256][3]) {
  // A chunk's length must stay below 2^31: 2 + (width + 1) * height + 5 per
  // 65535-byte block + 4 bytes of image data.
  if (!path || !pixels || width <= 0 || height <= 0 ||
      (static_cast<std::uint64_t>(width) + 1) * static_cast<std::uint64_t>(height) > 2100000000u) {
    errno = EINVAL;
    return false;
  }
  init_crc_table();
  if (special_file(path)) {
    std::FILE* f = std::fopen(path, "wb");
    return f && write_png(f, pixels, width, height, palette);
  }
  // A regular file is written beside its target under a temporary name and
  // moved over it only when complete, so that a failed write (a full disk, a
  // size limit) leaves neither a partial picture nor a damaged older one.
  const std::string partial = std::string(path) + "." + std::to_string(getpid()) + ".partial";
  std::FILE* f = std::fopen(partial.c_str(), "wb");
  if (!f) return false;
  if (write_png(f, pixels, width, height, palette) && replace_file(partial, path)) return true;
  const int error = errno;
  std::remove(partial.c_str());
  errno = error;
  return false;
}

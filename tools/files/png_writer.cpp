#include "png_writer.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <zlib.h>

#include "png.h"

#include <sys/stat.h>
#ifdef _WIN32
#include <process.h>
#include <windows.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace {

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

// Writes the PNG bytes to f and closes it; false if the write or the close
// failed.
bool write_file(std::FILE* f, const unsigned char* png, std::size_t size) {
  const bool written = std::fwrite(png, 1, size, f) == size && std::fflush(f) == 0;
  const int error = errno;
  const bool closed = std::fclose(f) == 0;
  if (!written) errno = error;
  return written && closed;
}

// The PNG in memory (malloc'd, *size bytes), its image data compressed by
// zlib at its best; null, with errno set, when memory runs out.
unsigned char* encode(const unsigned char* pixels, int width, int height, const unsigned char palette[256][3],
                      std::size_t* size) {
  const std::size_t raw = PNG_SCANLINES_SIZE(width, height);
  uLongf zlib_size = compressBound(static_cast<uLong>(raw));
  unsigned char* scanlines = static_cast<unsigned char*>(std::malloc(raw));
  unsigned char* png = static_cast<unsigned char*>(std::malloc(PNG_OVERHEAD + zlib_size));
  bool ok = scanlines && png;
  if (ok) {
    PNG_SCANLINES(pixels, width, height, scanlines);
    // Compressed straight into the IDAT chunk's place, which PNG_ASSEMBLE
    // then leaves where it is.
    unsigned char* idat = png + PNG_OVERHEAD - 12 - 4;
    ok = compress2(idat, &zlib_size, scanlines, static_cast<uLong>(raw), 9) == Z_OK;
    if (ok) PNG_ASSEMBLE(width, height, palette, idat, zlib_size, png);
  }
  std::free(scanlines);
  if (!ok) {
    std::free(png);
    errno = ENOMEM;
    return nullptr;
  }
  *size = PNG_OVERHEAD + zlib_size;
  return png;
}

bool write_png(const char* path, const unsigned char* png, std::size_t size) {
  if (special_file(path)) {
    std::FILE* f = std::fopen(path, "wb");
    return f && write_file(f, png, size);
  }
  // A regular file is written beside its target under a temporary name and
  // moved over it only when complete, so that a failed write (a full disk, a
  // size limit) leaves neither a partial picture nor a damaged older one.
  const std::string partial = std::string(path) + "." + std::to_string(getpid()) + ".partial";
  std::FILE* f = std::fopen(partial.c_str(), "wb");
  if (!f) return false;
  if (write_file(f, png, size) && replace_file(partial, path)) return true;
  const int error = errno;
  std::remove(partial.c_str());
  errno = error;
  return false;
}

}  // namespace

bool WRITE_PALETTE_PNG(const char* path, const unsigned char* pixels, int width, int height,
                       const unsigned char palette[256][3]) {
  // A chunk's length must stay below 2^31, and zlib's sizes in its uLong.
  if (!path || !pixels || width <= 0 || height <= 0 ||
      (static_cast<std::uint64_t>(width) + 1) * static_cast<std::uint64_t>(height) > 2100000000u) {
    errno = EINVAL;
    return false;
  }
  std::size_t size = 0;
  unsigned char* png = encode(pixels, width, height, palette, &size);
  if (!png) return false;
  const bool written = write_png(path, png, size);
  std::free(png);
  return written;
}

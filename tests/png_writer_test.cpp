// The PNG writer checked by an independent decoder: every chunk's CRC with
// zlib's crc32, the image data inflated by zlib (which checks the Adler-32),
// the header, the palette and every pixel, for frames and odd sizes.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "colours.h"
#include "frame.h"
#include "png.h"
#include "png_writer.h"

namespace {

std::uint32_t be32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

struct decoded {
  std::uint32_t width = 0, height = 0;
  std::vector<unsigned char> palette, pixels;
  std::vector<std::string> chunks;
};

// Decodes an 8-bit palette PNG as the writer makes it; fails the test on any
// fault in the file's structure.
decoded decode(const std::string& path) {
  decoded d;
  std::vector<unsigned char> file;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  EXPECT_NE(f, nullptr);
  if (!f) return d;
  for (int c; (c = std::fgetc(f)) != EOF;) file.push_back(static_cast<unsigned char>(c));
  std::fclose(f);
  const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  EXPECT_TRUE(file.size() >= 8 && std::memcmp(file.data(), signature, 8) == 0);
  std::vector<unsigned char> idat;
  std::size_t at = 8;
  while (at + 12 <= file.size()) {
    const std::uint32_t length = be32(&file[at]);
    EXPECT_LE(at + 12 + length, file.size());
    if (at + 12 + length > file.size()) return d;
    const std::string type(reinterpret_cast<const char*>(&file[at + 4]), 4);
    const unsigned char* data = &file[at + 8];
    const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, &file[at + 4], 4 + length));
    EXPECT_EQ(crc, be32(data + length)) << "CRC of " << type;
    d.chunks.push_back(type);
    if (type == "IHDR") {
      EXPECT_EQ(length, 13u);
      d.width = be32(data);
      d.height = be32(data + 4);
      EXPECT_EQ(std::vector<unsigned char>(data + 8, data + 13), (std::vector<unsigned char>{8, 3, 0, 0, 0}));
    }
    if (type == "PLTE") d.palette.assign(data, data + length);
    if (type == "IDAT") idat.insert(idat.end(), data, data + length);
    at += 12 + length;
  }
  EXPECT_EQ(at, file.size()) << "bytes after the last chunk";
  std::vector<unsigned char> raw((d.width + 1) * static_cast<std::size_t>(d.height) + 1);
  uLongf raw_size = static_cast<uLongf>(raw.size());
  EXPECT_EQ(uncompress(raw.data(), &raw_size, idat.data(), static_cast<uLong>(idat.size())), Z_OK);
  EXPECT_EQ(raw_size, raw.size() - 1);
  for (std::uint32_t y = 0; y < d.height; ++y) {
    const unsigned char* row = &raw[y * (d.width + 1)];
    EXPECT_EQ(row[0], 0) << "filter byte of row " << y;
    d.pixels.insert(d.pixels.end(), row + 1, row + 1 + d.width);
  }
  return d;
}

class PngWriter : public testing::Test {
 protected:
  // One file a test: CTest runs the tests of this program side by side.
  std::string path =
      testing::TempDir() + "bellscope_png_" + testing::UnitTest::GetInstance()->current_test_info()->name() + ".png";
  void TearDown() override { std::remove(path.c_str()); }

  void round_trip(const std::vector<unsigned char>& pixels, int width, int height,
                  const unsigned char palette[256][3]) {
    ASSERT_TRUE(WRITE_PALETTE_PNG(path.c_str(), pixels.data(), width, height, palette));
    const decoded d = decode(path);
    EXPECT_EQ(d.chunks, (std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"}));
    EXPECT_EQ(d.width, static_cast<std::uint32_t>(width));
    EXPECT_EQ(d.height, static_cast<std::uint32_t>(height));
    EXPECT_EQ(d.palette, std::vector<unsigned char>(&palette[0][0], &palette[0][0] + 768));
    EXPECT_TRUE(d.pixels == pixels) << width << "x" << height;
  }
};

// The frame of the start-up state, changed by `change`.
std::vector<unsigned char> frame_of(void (*change)(gaussian_set*)) {
  static gaussian_set set;
  static gaussian_curves curves;
  static frame_scratch scratch;
  std::vector<unsigned char> image(SCREEN_WIDTH * SCREEN_HEIGHT);
  INIT_GAUSSIANS(&set);
  change(&set);
  COMPUTE_CURVES(&set, &curves);
  COMPOSE_FRAME(image.data(), &set, &curves, nullptr, &scratch);
  return image;
}

TEST_F(PngWriter, FramesDecodeToTheirPixelsAndPalette) {
  unsigned char palette[256][3];
  SCHEME_PALETTE(palette);
  void (*const variants[])(gaussian_set*) = {
      [](gaussian_set*) {},
      [](gaussian_set* s) { s->recalc = true; },
      [](gaussian_set* s) { s->g[2].on = s->g[3].on = true, s->selected = 4, s->g[0].u = 612; },
  };
  for (auto variant : variants)
    round_trip(frame_of(variant), SCREEN_WIDTH, SCREEN_HEIGHT, palette);  // 360,450 bytes: six stored blocks
}

TEST_F(PngWriter, OddSizesAndEveryIndex) {
  unsigned char palette[256][3];
  for (int i = 0; i < 256; ++i)
    palette[i][0] = static_cast<unsigned char>(i), palette[i][1] = 255 - i,
    palette[i][2] = static_cast<unsigned char>(i * 7);
  const int sizes[][2] = {{1, 1}, {3, 5}, {256, 1}, {1, 300}, {65534, 1}, {65535, 2}, {401, 163}};
  for (const auto& s : sizes) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(s[0]) * s[1]);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<unsigned char>(i * 31 + i / 7);
    round_trip(pixels, s[0], s[1], palette);
  }
}

// Where the browser cannot compress, Save picture stores the scanlines in
// uncompressed deflate blocks of at most 65,535 bytes: zlib must read back
// every byte, around each block's edge too, and the PNG around them.
TEST_F(PngWriter, StoredBlocksInflateToTheSameScanlines) {
  const std::size_t sizes[] = {0, 1, 65535, 65536, 65535 * 2 + 1, PNG_SCANLINES_SIZE(SCREEN_WIDTH, SCREEN_HEIGHT)};
  for (std::size_t size : sizes) {
    std::vector<unsigned char> data(size), stored(PNG_STORED_SIZE(size)), back(size + 1);
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<unsigned char>(i * 131 + i / 251);
    PNG_STORED(data.data(), size, stored.data());
    uLongf back_size = static_cast<uLongf>(back.size());
    ASSERT_EQ(uncompress(back.data(), &back_size, stored.data(), static_cast<uLong>(stored.size())), Z_OK) << size;
    back.resize(back_size);
    EXPECT_TRUE(back == data) << size;
  }
  // The whole picture as the page saves it, decoded.
  unsigned char palette[256][3];
  SCHEME_PALETTE(palette);
  const std::vector<unsigned char> image = frame_of([](gaussian_set*) {});
  std::vector<unsigned char> scanlines(PNG_SCANLINES_SIZE(SCREEN_WIDTH, SCREEN_HEIGHT));
  PNG_SCANLINES(image.data(), SCREEN_WIDTH, SCREEN_HEIGHT, scanlines.data());
  std::vector<unsigned char> stored(PNG_STORED_SIZE(scanlines.size()));
  PNG_STORED(scanlines.data(), scanlines.size(), stored.data());
  std::vector<unsigned char> png(PNG_OVERHEAD + stored.size());
  PNG_ASSEMBLE(SCREEN_WIDTH, SCREEN_HEIGHT, palette, stored.data(), stored.size(), png.data());
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fwrite(png.data(), 1, png.size(), f);
  std::fclose(f);
  const decoded d = decode(path);
  EXPECT_EQ(d.palette, std::vector<unsigned char>(&palette[0][0], &palette[0][0] + 768));
  EXPECT_TRUE(d.pixels == image);
}

TEST_F(PngWriter, RefusesWhatItCannotWrite) {
  unsigned char palette[256][3] = {};
  std::vector<unsigned char> pixels(16, 1);
  EXPECT_FALSE(WRITE_PALETTE_PNG(path.c_str(), pixels.data(), 0, 4, palette));
  EXPECT_FALSE(WRITE_PALETTE_PNG(path.c_str(), pixels.data(), 4, -1, palette));
  EXPECT_FALSE(WRITE_PALETTE_PNG(path.c_str(), nullptr, 4, 4, palette));
  EXPECT_FALSE(WRITE_PALETTE_PNG(path.c_str(), pixels.data(), 2000000000, 2000000000, palette));  // chunk too long
  std::FILE* left = std::fopen(path.c_str(), "rb");
  EXPECT_EQ(left, nullptr) << "a file was left";
  if (left) std::fclose(left);
  EXPECT_FALSE(WRITE_PALETTE_PNG((testing::TempDir() + "no-such-folder/x.png").c_str(), pixels.data(), 4, 4, palette));
}

}  // namespace

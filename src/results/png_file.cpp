#include "results/png_file.hpp"

#include <png.h>

#include <csetjmp>

#include "graphics/picture.hpp"

namespace msa {

namespace {

// One PNG being written; libpng reports its errors by a long jump back to
// the function that set it up, so no C++ object with a destructor may live
// between the setjmp and the calls that can fail.
struct PngWriter {
  png_structp png = nullptr;
  png_infop info = nullptr;
  PngWriter() {
    png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png != nullptr) info = png_create_info_struct(png);
  }
  ~PngWriter() { png_destroy_write_struct(&png, &info); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
  bool ready() const { return png != nullptr && info != nullptr; }
};

bool writeRows(std::FILE* file, PngWriter& w, int width, int height, int depth, int type, png_colorp palette,
               int paletteSize, png_bytepp rows) {
  if (!w.ready()) return false;
  if (setjmp(png_jmpbuf(w.png))) return false;
  png_init_io(w.png, file);
  png_set_IHDR(w.png, w.info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), depth, type,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (palette != nullptr) png_set_PLTE(w.png, w.info, palette, paletteSize);
  png_write_info(w.png, w.info);
  png_write_image(w.png, rows);
  png_write_end(w.png, nullptr);
  return std::fflush(file) == 0 && std::ferror(file) == 0;
}

}  // namespace

bool writePicturePng(std::FILE* file, const Picture& picture) {
  png_color palette[16];
  for (int i = 0; i < 16; ++i) palette[i] = {kPalette[i].r, kPalette[i].g, kPalette[i].b};
  // Two pixels a byte, the left one in the high half.
  std::vector<png_byte> packed(static_cast<std::size_t>(kPictureWidth / 2) * kPictureHeight);
  const auto& pixels = picture.pixels();
  for (std::size_t i = 0; i < packed.size(); ++i)
    packed[i] = static_cast<png_byte>((pixels[2 * i] & 15) << 4 | (pixels[2 * i + 1] & 15));
  std::vector<png_bytep> rows(kPictureHeight);
  for (int y = 0; y < kPictureHeight; ++y) rows[static_cast<std::size_t>(y)] = packed.data() + y * (kPictureWidth / 2);
  PngWriter writer;
  return writeRows(file, writer, kPictureWidth, kPictureHeight, 4, PNG_COLOR_TYPE_PALETTE, palette, 16, rows.data());
}

bool writeRgbPng(std::FILE* file, int width, int height, const std::vector<std::uint8_t>& rgb) {
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height * 3) return false;
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  auto* data = const_cast<png_bytep>(rgb.data());  // libpng only reads the rows
  for (int y = 0; y < height; ++y) rows[static_cast<std::size_t>(y)] = data + static_cast<std::size_t>(y) * width * 3;
  PngWriter writer;
  return writeRows(file, writer, width, height, 8, PNG_COLOR_TYPE_RGB, nullptr, 0, rows.data());
}

}  // namespace msa

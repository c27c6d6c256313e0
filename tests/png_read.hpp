#pragma once

// Decodes a PNG with libpng for the tests: palette images as one colour
// index a byte, RGB as three bytes a pixel.

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using namespace msa;

struct DecodedPng {
  int width = 0;
  int height = 0;
  int colourType = -1;
  std::vector<std::uint8_t> pixels;
  std::vector<png_color> palette;
};

// libpng's errors jump back to the setjmp: the file is closed by the caller.
inline bool decodePng(std::FILE* file, DecodedPng& image) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, file);
  png_read_png(png, info, PNG_TRANSFORM_PACKING, nullptr);
  image.width = static_cast<int>(png_get_image_width(png, info));
  image.height = static_cast<int>(png_get_image_height(png, info));
  image.colourType = png_get_color_type(png, info);
  const std::size_t rowBytes = png_get_rowbytes(png, info);
  png_bytepp rows = png_get_rows(png, info);
  for (int y = 0; y < image.height; ++y) image.pixels.insert(image.pixels.end(), rows[y], rows[y] + rowBytes);
  png_colorp palette = nullptr;
  int count = 0;
  if (png_get_PLTE(png, info, &palette, &count) != 0) image.palette.assign(palette, palette + count);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

inline DecodedPng readPng(const std::string& path) {
  DecodedPng image;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return image;
  if (!decodePng(file, image)) image = DecodedPng{};
  std::fclose(file);
  return image;
}

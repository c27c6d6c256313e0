#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

namespace msa {

class Picture;

// PNG encoding (libpng) into an open file. False when writing fails; errno
// then tells why.

// The picture as it stands: 640 x 350, 4-bit indexed with the 16-colour
// palette, so that a decoder gives back the colour indexes.
bool writePicturePng(std::FILE* file, const Picture& picture);

// An 8-bit RGB image, rows top to bottom, 3 bytes a pixel.
bool writeRgbPng(std::FILE* file, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace msa

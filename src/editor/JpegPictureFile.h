#pragma once

#include <string>

struct Picture;

// Writes `picture` at its full size as the JPEG file `path`, replacing an old file there, with
// the settings of every picture the program writes: quality 80, progressive, colour, slow integer
// DCT, no optimised Huffman tables, no restart markers, no smoothing, and a JFIF header with
// density unit 0 and density 1:1.
bool WritePictureJpeg(const Picture& picture, const std::string& path, std::string* error);

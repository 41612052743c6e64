#pragma once

#include <string>

#include "PictureFile.h"

struct Picture;

// Reads a JPEG file held in `bytes`. With a decode limit the decoder may scale down by whole
// eighths in its DCT stage, never below the limit; fullSize receives the stored size.
bool readJpeg(const std::string& bytes, Picture& picture, const DecodeLimit& limit,
              PictureSize& fullSize, std::string* error);

// Writes a picture as a JPEG file with the settings used for every picture the program writes:
// quality 80, progressive, colour, slow integer DCT, no optimised Huffman tables, no restart
// markers, no smoothing, input gamma 1.0, and a JFIF header with density unit 0 and density 1:1.
// A file that could not be completed is removed.
bool writeJpeg(const Picture& picture, const std::string& path, std::string* error);

#pragma once

#include <string>

struct Picture;

// Reads an uncompressed Windows bitmap: 1, 4 and 8 bits with a palette, 16 bits (5-5-5 or bit
// fields), 24 bits, and 32 bits (plain or bit fields); top-down or bottom-up.
bool readBmp(const std::string& bytes, Picture& picture, std::string* error);

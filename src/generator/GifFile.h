#pragma once

#include <string>

struct Picture;

// The logical screen size of a GIF file (what the generated pages print as the logo's size);
// false when the file cannot be opened as a GIF.
bool readGifSize(const std::string& path, int& width, int& height);

// Reads the first image of a GIF file onto its logical screen; transparent and uncovered
// pixels become white.
bool readGif(const std::string& bytes, Picture& picture, std::string* error);

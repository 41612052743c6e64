#pragma once

#include <string>

struct Picture;

// Writes the picture as a GIF file at its own size: its colours reduced to at most 256 by
// quantisation with Floyd-Steinberg dithering, LZW-compressed. The file is replaced only by a
// complete one; on failure `path` is left as it was and `error` says why.
bool writeGif(const std::string& path, const Picture& picture, std::string* error);

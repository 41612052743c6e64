#pragma once

#include <functional>
#include <string>

#include "PictureScaling.h"

struct Picture;

// The least size a picture of the given stored size may be decoded to.
using DecodeLimit = std::function<PictureSize(int fullWidth, int fullHeight)>;

// Reads a JPEG, GIF or BMP file, told apart by its first bytes whatever its name. With a decode
// limit a JPEG may be decoded scaled down (never below the limit); fullSize receives the size
// stored in the file.
bool readPicture(const std::string& path, Picture& picture, PictureSize& fullSize,
                 std::string* error, const DecodeLimit& limit = {});

#include "JpegPictureFile.h"

#include <cstdio>

#include "generator/JpegFile.h"

bool WritePictureJpeg(const Picture& picture, const std::string& path, std::string* error) {
    std::remove(path.c_str());  // the old picture goes first, as a new one replaces it
    return writeJpeg(picture, path, error);
}

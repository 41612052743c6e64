#include "PictureFile.h"

#include "BmpFile.h"
#include "GifFile.h"
#include "JpegFile.h"
#include "Picture.h"
#include "catalog/CatalogFolder.h"

bool readPicture(const std::string& path, Picture& picture, PictureSize& fullSize,
                 std::string* error, const DecodeLimit& limit) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    if (bytes.compare(0, 3, "GIF") == 0 || bytes.compare(0, 2, "BM") == 0) {
        const bool ok = bytes[0] == 'G' ? readGif(bytes, picture, error)
                                        : readBmp(bytes, picture, error);
        fullSize = {picture.width, picture.height};
        return ok;
    }
    return readJpeg(bytes, picture, limit, fullSize, error);
}

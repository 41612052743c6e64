#include "JpegFile.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

#include "FileHandle.h"
#include "Picture.h"

namespace {

// libjpeg reports fatal errors by calling error_exit; this one jumps back to the caller with
// the library's message instead of ending the process.
struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    ErrorManager* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr) {}  // warnings about damaged data are not shown

void installErrorManager(ErrorManager& manager) {
    jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.output_message = onMessage;
    manager.message[0] = '\0';
}

void setError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

}  // namespace

bool readJpeg(const std::string& bytes, Picture& picture, const DecodeLimit& limit,
              PictureSize& fullSize, std::string* error) {
    jpeg_decompress_struct info;
    ErrorManager manager;
    installErrorManager(manager);
    info.err = &manager.base;
    if (setjmp(manager.jump)) {
        setError(error, manager.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.scale_denom = 8;
    info.scale_num = 8;
    fullSize = {static_cast<int>(info.image_width), static_cast<int>(info.image_height)};
    const PictureSize least = limit ? limit(fullSize.width, fullSize.height) : fullSize;
    const int minWidth = least.width, minHeight = least.height;
    if (minWidth > 0 && minHeight > 0) {
        for (unsigned num = 1; num < 8; ++num) {
            info.scale_num = num;
            jpeg_calc_output_dimensions(&info);
            if (static_cast<int>(info.output_width) >= minWidth &&
                static_cast<int>(info.output_height) >= minHeight)
                break;
            info.scale_num = 8;
        }
    }
    jpeg_start_decompress(&info);
    if (!pictureSizeAcceptable(info.output_width, info.output_height) ||
        info.output_components != 3) {
        setError(error, "picture too large");
        jpeg_destroy_decompress(&info);
        return false;
    }
    picture.resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool writeJpeg(const Picture& picture, const std::string& path, std::string* error) {
    if (picture.width <= 0 || picture.height <= 0 || picture.width > JPEG_MAX_DIMENSION ||
        picture.height > JPEG_MAX_DIMENSION) {
        setError(error, "picture size not writable");
        return false;
    }
    FileHandle file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        setError(error, "cannot create " + path);
        return false;
    }
    jpeg_compress_struct info;
    ErrorManager manager;
    installErrorManager(manager);
    info.err = &manager.base;
    if (setjmp(manager.jump)) {
        setError(error, manager.message);
        jpeg_destroy_compress(&info);
        file.reset();
        std::remove(path.c_str());
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 80, TRUE);
    jpeg_simple_progression(&info);
    info.dct_method = JDCT_ISLOW;
    info.optimize_coding = FALSE;
    info.restart_interval = 0;
    info.restart_in_rows = 0;
    info.smoothing_factor = 0;
    info.input_gamma = 1.0;
    info.write_JFIF_header = TRUE;
    info.density_unit = 0;
    info.X_density = 1;
    info.Y_density = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(picture.row(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fflush(file.get()) != 0 || std::ferror(file.get())) {
        file.reset();
        std::remove(path.c_str());
        setError(error, "cannot write " + path);
        return false;
    }
    return true;
}

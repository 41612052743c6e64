#include "kalo/KaloOutput.h"

namespace {
constexpr size_t kBufferLimit = 1 << 16;
}

void KaloFileOutput::write(std::string_view bytes) {
    buffer_.append(bytes);
    if (buffer_.size() >= kBufferLimit) {
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
        buffer_.clear();
    }
}

void KaloFileOutput::flush() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    buffer_.clear();
    std::fflush(file_);
}

#include "kalo/KaloInput.h"

#include <cstdlib>

#include "kalo/KaloCLocale.h"
#include "kalo/KaloValue.h"

namespace {

bool IsSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The longest leading part of `text` that reads as a number, as scanf "%f" takes it.
size_t NumberLength(std::string_view text) {
    std::string copy(text.substr(0, 256));
    char* end = nullptr;
    strtod_l(copy.c_str(), &end, KaloCLocale());
    return static_cast<size_t>(end - copy.c_str());
}

}  // namespace

bool KaloFileInput::readNumber(float& number) {
    if (!file_) return false;
    KaloCLocaleScope c;
    return std::fscanf(file_, "%f", &number) == 1;
}

bool KaloFileInput::readWord(std::string& word, size_t limit) {
    word.clear();
    if (!file_) return false;
    int c;
    do c = std::fgetc(file_);
    while (c != EOF && IsSpace(c));
    while (c != EOF && !IsSpace(c)) {
        word.push_back(static_cast<char>(c));
        if (word.size() == limit) return true;
        c = std::fgetc(file_);
    }
    if (c != EOF) std::ungetc(c, file_);
    return !word.empty();
}

bool KaloFileInput::readLine(std::string& line) {
    line.clear();
    if (!file_) return false;
    int c;
    while ((c = std::fgetc(file_)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
    return c != EOF || !line.empty();
}

bool KaloTextInput::readNumber(float& number) {
    while (at_ < text_.size() && IsSpace(static_cast<unsigned char>(text_[at_]))) ++at_;
    size_t length = NumberLength(std::string_view(text_).substr(at_));
    if (length == 0) return false;
    number = KaloParseNumber(std::string_view(text_).substr(at_, length));
    at_ += length;
    return true;
}

bool KaloTextInput::readWord(std::string& word, size_t limit) {
    word.clear();
    while (at_ < text_.size() && IsSpace(static_cast<unsigned char>(text_[at_]))) ++at_;
    while (at_ < text_.size() && !IsSpace(static_cast<unsigned char>(text_[at_])) &&
           word.size() < limit)
        word.push_back(text_[at_++]);
    return !word.empty();
}

bool KaloTextInput::readLine(std::string& line) {
    line.clear();
    if (at_ >= text_.size()) return false;
    size_t end = text_.find('\n', at_);
    if (end == std::string::npos) end = text_.size();
    line = text_.substr(at_, end - at_);
    at_ = end < text_.size() ? end + 1 : end;
    return true;
}

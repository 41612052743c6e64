#include "TemplateIndex.h"

#include <algorithm>

namespace {

// Drops the text up to and including the next line feed; a text without one stays whole.
void SkipLine(std::string& text) {
    size_t lf = text.find('\n');
    if (lf != std::string::npos) text.erase(0, lf + 1);
}

}  // namespace

bool ReadTemplateIndex(const std::string& page, std::vector<std::string>& fileNames) {
    fileNames.clear();
    std::string text = page;
    std::erase(text, '\r');
    size_t separator = text.find("<HR>");
    if (separator == std::string::npos) return false;
    text.erase(0, separator + 1);
    SkipLine(text);  // the rest of the separator line
    SkipLine(text);  // the link to the parent folder

    const std::string href = "HREF=\"";
    for (size_t at = text.find("HREF"); at != std::string::npos; at = text.find("HREF")) {
        text.erase(0, std::min(at + href.size(), text.size()));
        size_t quote = text.find('"');
        if (quote == std::string::npos) continue;
        fileNames.push_back(text.substr(0, quote));
        text.erase(0, quote + 1);
    }
    return true;
}

bool IsSafeTemplateFileName(const std::string& name) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    return !name.empty() && name != "." && name.find_first_of("/\\") == std::string::npos &&
           name.find("..") == std::string::npos &&
           std::none_of(name.begin(), name.end(), isControl);
}

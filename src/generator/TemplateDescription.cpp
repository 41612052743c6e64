#include "TemplateDescription.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>

#include "catalog/MXCatalog.h"
#include "catalog/Version.h"

namespace {

std::string lowerCased(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string upperCased(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A whole-text decimal integer; anything else leaves `value` as it was.
void readBoxValue(const std::string& text, int32_t& value) {
    int32_t parsed = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (ec == std::errc() && ptr == end && !text.empty()) value = parsed;
}

void readBox(const std::string& first, const std::string& second, PictureBox& box) {
    readBoxValue(first, box.first);
    readBoxValue(second, box.second);
}

struct DescriptionLine {
    std::string key, first, second, third;
};

// Splits KEY:FIRST:SECOND[:THIRD...]; false for a line with fewer than two colons.
bool splitLine(const std::string& line, DescriptionLine& out) {
    size_t c1 = line.find(':');
    if (c1 == std::string::npos) return false;
    size_t c2 = line.find(':', c1 + 1);
    if (c2 == std::string::npos) return false;
    out.key = line.substr(0, c1);
    out.first = line.substr(c1 + 1, c2 - c1 - 1);
    size_t c3 = line.find(':', c2 + 1);
    if (c3 == std::string::npos) {
        out.second = line.substr(c2 + 1);
        out.third.clear();
    } else {
        out.second = line.substr(c2 + 1, c3 - c2 - 1);
        out.third = line.substr(c3 + 1);
    }
    return true;
}

void applySetting(const DescriptionLine& line, TemplateSettings& settings) {
    if (line.key == "cimage") {
        readBox(line.first, line.second, settings.categoryBox);
    } else if (line.key == "iimage") {
        readBox(line.first, line.second, settings.itemBox);
    } else if (line.key == "ciconsize") {
        readBox(line.first, line.second, settings.categoryIconBox);
    } else if (line.key == "iiconsize") {
        readBox(line.first, line.second, settings.itemIconBox);
    } else if (line.key == "ignoreimage") {
        // Category letters are lower-cased; item letters are kept as written.
        if (line.first == "category")
            settings.categorySkip = lowerCased(line.second);
        else
            settings.itemSkip = line.second;
    } else if (line.key == "version") {
        if (upperCased(line.first) == "MARLIX") settings.requiredVersion = lowerCased(line.second);
    }
}

// One condition keyword: present or not, and whether "!" stands right before it.
struct Condition {
    bool present = false;
    bool negated = false;
};

Condition findCondition(const std::string& lowered, const char* keyword) {
    Condition c;
    size_t at = lowered.find(keyword);
    if (at == std::string::npos) return c;
    c.present = true;
    c.negated = at > 0 && lowered[at - 1] == '!';
    return c;
}

// Every keyword that occurs must hold (or, negated, must not hold).
bool allHold(const std::string& conditions, const char* const keywords[4], const bool facts[4]) {
    const std::string lowered = lowerCased(conditions);
    for (int i = 0; i < 4; ++i) {
        Condition c = findCondition(lowered, keywords[i]);
        if (c.present && facts[i] == c.negated) return false;
    }
    return true;
}

}  // namespace

FileHandle openTemplateDescription(const std::string& packageFolder) {
    return FileHandle(std::fopen((packageFolder + "/mxinfo.dat").c_str(), "rb"));
}

TemplateSettings readTemplateDescription(FILE* file, const MXCatalog& catalog,
                                         const std::function<bool()>& isRunning,
                                         const PageLineHandler& onPageLine) {
    TemplateSettings settings;
    settings.categoryIconBox = {catalog.IconSize, catalog.IconSize};
    settings.itemIconBox = {catalog.IconSize, catalog.IconSize};

    char buffer[2048];  // a longer line arrives in pieces, each read as a line of its own
    DescriptionLine parts;
    while (isRunning() && std::fgets(buffer, sizeof buffer, file) != nullptr) {
        size_t length = std::strlen(buffer);
        if (length > 0 && buffer[length - 1] == '\n') --length;
        if (length > 0 && static_cast<unsigned char>(buffer[length - 1]) < 32) --length;
        const std::string line(buffer, length);
        if (line.empty() || line[0] == '#' || !splitLine(line, parts)) continue;
        if (parts.key == "main" || parts.key == "category" || parts.key == "item")
            onPageLine(parts.key, parts.first, parts.second, parts.third);
        else
            applySetting(parts, settings);
    }
    return settings;
}

std::optional<bool> versionSatisfied(const TemplateSettings& settings) {
    const std::string& text = settings.requiredVersion;
    size_t begin = text.find_first_not_of(" \t");
    size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos) return std::nullopt;
    const std::string number = text.substr(begin, end - begin + 1);
    // Digits with at most one decimal point; no exponents, signs or hexadecimal.
    if (number.find_first_not_of("0123456789.") != std::string::npos ||
        number.find('.') != number.rfind('.') || number == ".")
        return std::nullopt;
    return std::strtod(number.c_str(), nullptr) <= std::strtod(kProgramVersion, nullptr);
}

bool conditionsHold(const std::string& conditions, const MXCategory& category, bool hasPicture) {
    static const char* const keywords[4] = {"catdesc", "cathasparent", "cathassubcats",
                                            "cathaspic"};
    const bool facts[4] = {!category.Desc.empty(), !category.Parent.empty(),
                           !category.Children.empty(), hasPicture};
    return allHold(conditions, keywords, facts);
}

bool conditionsHold(const std::string& conditions, const MXItem& item, bool hasPicture) {
    static const char* const keywords[4] = {"itemsdesc", "itemldesc", "itemhasvariants",
                                            "itemhaspic"};
    const bool facts[4] = {!item.ShortDesc.empty(), !item.LongDesc.empty(),
                           !item.Variants.empty(), hasPicture};
    return allHold(conditions, keywords, facts);
}

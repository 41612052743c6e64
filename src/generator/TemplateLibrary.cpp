#include "TemplateLibrary.h"

#include <algorithm>
#include <filesystem>

#include "catalog/StartupFolder.h"

std::vector<std::string> listTemplates(const std::string& startupFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(TemplateLibraryPath(startupFolder), ec), end;
         !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());  // std::string compares bytes as unsigned values
    return names;
}

std::string templateFolder(const std::string& startupFolder, const std::string& name) {
    return TemplateLibraryPath(startupFolder) + "/" + name;
}

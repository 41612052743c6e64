#pragma once

#include <string>

// The start-up folder holds the template library and the local help. Paths into the library keep
// the "./Templates" step that catalogs and templates have always been found by.
inline std::string TemplateLibraryPath(const std::string& startupFolder) {
    return startupFolder + "/./Templates";
}

// True when `name` can name a package folder directly inside the library: not empty, not "." or
// "..", and free of path separators and NUL, so that it can never lead out of the library.
bool IsPlainFolderName(const std::string& name);

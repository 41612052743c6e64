#pragma once

#include <string>
#include <vector>

// The template library: the folder Templates below the start-up folder; each sub-folder is one
// template package, named after the folder.

// The package names, ascending byte-wise; empty when the library does not exist.
std::vector<std::string> listTemplates(const std::string& startupFolder);

// The folder of one package: start-up folder + "/./Templates/" + name.
std::string templateFolder(const std::string& startupFolder, const std::string& name);

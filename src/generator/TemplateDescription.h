#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "FileHandle.h"
#include "TemplateSettings.h"

class MXCatalog;
struct MXCategory;
struct MXItem;

// The template description file mxinfo.dat of a package: lines of the form KEY:VALUE:VALUE[:VALUE].
// Page lines (main, category, item) take effect the moment they are read; setting lines are
// collected into TemplateSettings, which the run applies after the last line.

// Opens packageFolder/mxinfo.dat; empty when it cannot be opened.
FileHandle openTemplateDescription(const std::string& packageFolder);

// Called for each main, category and item line: key, BASE, EXT and the condition list.
using PageLineHandler = std::function<void(const std::string& key, const std::string& base,
                                           const std::string& ext, const std::string& conditions)>;

// Reads the description to its end, testing isRunning before each line. The settings start at
// their defaults (icon boxes at the catalog's IconSize).
TemplateSettings readTemplateDescription(FILE* file, const MXCatalog& catalog,
                                         const std::function<bool()>& isRunning,
                                         const PageLineHandler& onPageLine);

// True when the required version is at most the program's own; empty when the required version
// is not a decimal number.
std::optional<bool> versionSatisfied(const TemplateSettings& settings);

// Whether a record meets a condition list such as "itemhaspic !itemhasvariants". The picture
// flag says whether the record's picture exists in the catalog's data folder.
bool conditionsHold(const std::string& conditions, const MXCategory& category, bool hasPicture);
bool conditionsHold(const std::string& conditions, const MXItem& item, bool hasPicture);

#include "PageSet.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "DataFolderIndex.h"
#include "PageExpander.h"
#include "StoreTexts.h"
#include "TemplateDescription.h"
#include "WorkerServices.h"
#include "catalog/MXCatalog.h"
#include "catalog/StartupFolder.h"

PageSet::EmptyResult PageSet::emptyOutputFolder(const std::string& outputFolder) {
    DIR* dir = ::opendir(outputFolder.c_str());
    if (dir == nullptr) return EmptyResult::CannotList;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") ::unlink((outputFolder + "/" + name).c_str());
    }
    return ::closedir(dir) == 0 ? EmptyResult::Emptied : EmptyResult::CannotClose;
}

void PageSet::preparePictureAddresses(MXCatalog& catalog, const DataFolderIndex& data) {
    const std::string store = publishedStoreAddress(catalog);
    auto address = [&](const char* file) -> std::string {
        return store.empty() || !data.has(file) ? "" : store + "/" + file;
    };
    catalog.BgURL = address("bg.gif");
    catalog.LogoURL = address("logo.gif");
}

PageSet::PageSet(const MXCatalog& catalog, const std::string& packageFolder,
                 const DataFolderIndex& data, PageExpander& expander, WorkerServices& worker)
    : catalog_(catalog),
      packageFolder_(packageFolder),
      dataFolder_(catalog.CatalogFolder + "/data"),
      outputFolder_(catalog.CatalogFolder + "/output"),
      data_(data),
      expander_(expander),
      worker_(worker) {}

bool PageSet::safeName(const std::string& name) {
    if (IsPlainFolderName(name)) return true;
    worker_.reportStatus("Skipped File: " + name + " (unsafe name)");
    return false;
}

void PageSet::writeMainPage(const std::string& base, const std::string& ext) {
    const std::string name = base + "." + ext;
    if (!safeName(name)) return;
    worker_.reportStatus("Working on File: " + name);
    expander_.expandPage(packageFolder_ + "/" + name, outputFolder_ + "/" + name, "", "");
}

void PageSet::writeCategoryPages(const std::string& base, const std::string& ext,
                                 const std::string& conditions) {
    const std::string templateName = base + "." + ext;
    if (!safeName(templateName)) return;
    const std::string templatePath = packageFolder_ + "/" + templateName;
    for (const auto& [id, category] : catalog_.Categories) {
        if (!worker_.isRunning()) return;
        if (!conditionsHold(conditions, category, data_.has("c" + id + ".jpg"))) continue;
        const std::string name = base + id + "." + ext;
        if (!safeName(name)) continue;
        worker_.reportStatus("Working on Category: " + category.Name);
        expander_.expandPage(templatePath, outputFolder_ + "/" + name, "", id);
    }
}

void PageSet::writeItemPages(const std::string& base, const std::string& ext,
                             const std::string& conditions) {
    const std::string templateName = base + "." + ext;
    if (!safeName(templateName)) return;
    const std::string templatePath = packageFolder_ + "/" + templateName;
    for (const auto& [id, item] : catalog_.Items) {
        if (!worker_.isRunning()) return;
        if (!conditionsHold(conditions, item, data_.has("i" + id + ".jpg"))) continue;
        const std::string name = base + id + "." + ext;
        if (!safeName(name)) continue;
        worker_.reportStatus("Working on Item: " + item.Name);
        const std::string firstCategory = item.CategoryIDs.empty() ? "" : item.CategoryIDs[0];
        expander_.expandPage(templatePath, outputFolder_ + "/" + name, id, firstCategory);
    }
}

void PageSet::copyDataFiles(const std::string& categorySkip, const std::string& itemSkip) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dataFolder_, ec), end; !ec && it != end;
         it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());  // the same order on every file system
    const bool skipCategories = categorySkip.find('o') != std::string::npos;
    const bool skipItems = itemSkip.find('o') != std::string::npos;
    for (const std::string& name : names) {
        if (!worker_.isRunning()) return;
        if ((name[0] == 'c' && skipCategories) || (name[0] == 'i' && skipItems)) continue;
        std::filesystem::copy_file(dataFolder_ + "/" + name, outputFolder_ + "/" + name,
                                   std::filesystem::copy_options::overwrite_existing, ec);
        worker_.reportStatus("Copied File: " + name);  // shown also when the copy failed
    }
}

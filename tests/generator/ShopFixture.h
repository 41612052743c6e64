#pragma once

#include <map>
#include <string>

#include "TempFolder.h"
#include "catalog/MXCatalog.h"

// Files written from one text: each "-- path --" line starts a file that holds the lines up to
// the next such line. Returns the files by path.
std::map<std::string, std::string> ParseFiles(const std::string& text);
void WriteFiles(const std::string& root, const std::map<std::string, std::string>& files);

// A start-up folder with the template package "shop" and a saved catalog folder "Shop" whose
// data folder holds a logo, a background and pictures of the given sizes. The package's files
// and the pages expected from it come from one description (see ShopFixture.cpp).
struct ShopFixture {
    TempFolder home;
    MXCatalog catalog;
    std::map<std::string, std::string> expectedPages;  // output file name -> bytes

    // `description` holds "Templates/shop/..." files and "expect/..." pages; "{year}" in an
    // expected page stands for the current year.
    explicit ShopFixture(const std::string& description);
    std::string output(const std::string& name) const {
        return ReadFileBytes(catalog.CatalogFolder + "/output/" + name);
    }
};

#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "MXCategory.h"
#include "MXItem.h"

// Receives the status lines of long operations ("Copied File: ..."); may be empty.
using StatusSink = std::function<void(const std::string&)>;

// The in-memory catalog of one store. Plain data: pages read and write the fields directly and
// then clear Saved. Maps iterate in byte-wise order of their keys.
class MXCatalog {
public:
    MXCatalog();

    // Settings (written to `info` under the same names).
    std::string FTPHost, FTPDirectory, FTPUsername, FTPPassword;
    bool DemoMode;
    std::string SITEID, PARTNERID, SERVER, ZKPassword;
    std::string TextColor, LinkColor, ALinkColor, VLinkColor, BGColor, FontNames;
    std::string Color1, Color2, Color3;
    std::string Template;  // package folder in the template library; empty: none chosen
    int32_t IconSize;
    std::string Money, Language;
    std::string CompanyName, StoreName, URL, Path, Email, Phone, Keywords, Desc;
    std::string WelcomeMsg;  // multi-line (CR LF)

    std::map<std::string, MXCategory> Categories;
    std::map<std::string, MXItem> Items;

    std::string BgURL, LogoURL;  // computed by the generator before it expands pages; never stored
    std::string CatalogFolder;   // empty until first saved or loaded
    std::string PreviousFolder;  // the folder before the last Save As
    bool Saved;                  // no unsaved changes

    // Every setting takes its default, CatalogFolder becomes empty and Saved true; categories,
    // items, PreviousFolder and the picture addresses stay.
    void ResetDefaults();

    void ClearCategoryRows();
    // The key of the first category (map order) whose ListRow is `row`; empty when none.
    std::string CategoryIdAtRow(int32_t row) const;
    // Fills the derived Children and CategoryIDs lists from Parent and ItemIDs, creating default
    // records for dangling references.
    void RebuildLinks();

    // Writes the catalog folder: data/ and output/, the pictures of PreviousFolder, then `info`.
    // `info` is replaced only by a complete, flushed file.
    bool Save(const StatusSink& status = {});
    // Reads the catalog folder named by CatalogFolder. A package named by `Template` is kept only
    // when the template library below `startupFolder` holds it.
    bool Load(const std::string& startupFolder);
    // Empties and removes data/ and output/ of CatalogFolder; `info` stays.
    bool ClearFolderContents();
};

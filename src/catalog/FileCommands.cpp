#include "FileCommands.h"

#include "CatalogFolder.h"

CatalogFileCommands::CatalogFileCommands(FileCommandHost& host, ActivityFlags& flags,
                                         std::string startupFolder)
    : host_(host),
      flags_(flags),
      startupFolder_(std::move(startupFolder)),
      catalog_(std::make_unique<MXCatalog>()) {}

bool CatalogFileCommands::ResolveUnsavedChanges() {
    if (catalog_->Saved) return true;
    switch (host_.AskSaveChanges()) {
        case SaveChangesAnswer::Cancel:
            return false;
        case SaveChangesAnswer::No:
            return true;
        case SaveChangesAnswer::Yes:
            Save();
            return catalog_->Saved;
    }
    return false;
}

void CatalogFileCommands::Start() {
    catalog_ = std::make_unique<MXCatalog>();
    EnableAfterReplace();
    host_.ShowStatus("New Catalog.");
}

void CatalogFileCommands::EnableAfterReplace() {
    closeEnabled_ = true;
    saveEnabled_ = false;
    saveAsEnabled_ = true;
}

void CatalogFileCommands::New() {
    if (flags_.Busy() || !ResolveUnsavedChanges()) return;
    catalog_ = std::make_unique<MXCatalog>();
    EnableAfterReplace();
    host_.ShowStatus("New Catalog.");
    host_.DocumentReplaced();
}

void CatalogFileCommands::Open() {
    if (flags_.Busy() || !ResolveUnsavedChanges()) return;
    std::optional<std::string> folder = host_.ChooseFolder("Load Catalog...", false);
    if (!folder) return;
    catalog_ = std::make_unique<MXCatalog>();
    catalog_->CatalogFolder = *folder;
    if (catalog_->Load(startupFolder_)) {
        EnableAfterReplace();
        host_.ShowStatus("Catalog Loaded.");
        host_.DocumentReplaced();
    } else {
        host_.ShowStatus("Catalog Load Failed.");
    }
}

void CatalogFileCommands::Save() {
    if (flags_.Busy()) return;
    if (catalog_->CatalogFolder.empty()) {
        SaveAs();
        return;
    }
    SaveIntoFolder();
}

void CatalogFileCommands::SaveIntoFolder() {
    if (catalog_->Save([this](const std::string& line) { host_.ShowStatus(line); })) {
        host_.ShowStatus("Catalog Saved.");
        saveEnabled_ = false;
    } else {
        host_.ShowStatus("Catalog Save Failed.");
    }
}

void CatalogFileCommands::SaveAs() {
    if (flags_.Busy()) return;
    std::optional<std::string> folder = host_.ChooseFolder("Save Catalog...", true);
    if (!folder) return;
    MXCatalog& c = *catalog_;
    c.PreviousFolder = c.CatalogFolder;
    c.CatalogFolder = *folder;
    if (IsRegularFile(c.CatalogFolder + "/info")) {
        if (!host_.AskOverwriteCatalog()) {
            c.CatalogFolder = c.PreviousFolder;
            return;
        }
        if (SameFolder(c.CatalogFolder, c.PreviousFolder)) {
            if (c.Saved) {
                host_.ShowStatus("Catalog Already Saved.");
                return;
            }
        } else if (!c.ClearFolderContents()) {
            host_.ShowStatus("ERROR: Catalog NOT Saved.");
            c.CatalogFolder = c.PreviousFolder;
            return;
        }
    }
    SaveIntoFolder();
}

bool CatalogFileCommands::Exit() {
    if (flags_.Busy()) {
        flags_.Running = false;
        flags_.Uploading = false;
        return false;
    }
    return ResolveUnsavedChanges();
}

void CatalogFileCommands::RefreshMenu() {
    if (catalog_ && !catalog_->Saved) saveEnabled_ = true;
}

#include "MXCatalog.h"

MXCatalog::MXCatalog() {
    ResetDefaults();
}

void MXCatalog::ResetDefaults() {
    FTPHost.clear();
    FTPDirectory.clear();
    FTPUsername.clear();
    FTPPassword.clear();
    DemoMode = true;
    SITEID.clear();
    PARTNERID.clear();
    SERVER.clear();
    ZKPassword.clear();
    TextColor = "black";
    LinkColor = "blue";
    ALinkColor = "red";
    VLinkColor = "blue";
    BGColor = "white";
    FontNames = "Arial, Helvetica, sans-serif";
    Color1 = "#009AFF";
    Color2 = "#90CCFF";
    Color3 = "#CEE8FF";
    Template.clear();
    IconSize = 80;
    Money = "US $";
    Language = "en";
    CompanyName.clear();
    StoreName.clear();
    URL = "http://";
    Path.clear();
    Email.clear();
    Phone.clear();
    Keywords.clear();
    Desc.clear();
    WelcomeMsg.clear();
    CatalogFolder.clear();
    Saved = true;
}

void MXCatalog::ClearCategoryRows() {
    for (auto& [id, category] : Categories) category.ListRow = -1;
}

std::string MXCatalog::CategoryIdAtRow(int32_t row) const {
    for (const auto& [id, category] : Categories)
        if (category.ListRow == row) return id;
    return {};
}

void MXCatalog::RebuildLinks() {
    // Inserting into a std::map keeps every other element where it is, so walking Categories
    // while step 2 adds parents is safe; an added parent has no Parent of its own.
    for (const auto& [categoryId, category] : Categories)
        for (const std::string& itemId : category.ItemIDs)
            Items[itemId].CategoryIDs.push_back(categoryId);
    for (auto& [categoryId, category] : Categories)
        if (!category.Parent.empty()) Categories[category.Parent].Children.push_back(categoryId);
}

#include "TFormCat.h"

#include <QListWidget>

#include "EditorLists.h"
#include "PageHost.h"
#include "Prompter.h"
#include "TFormCatInfo.h"
#include "TFormMain.h"

namespace {

const char kRemoveCaption[] = "Remove Category";

}  // namespace

TFormCat::TFormCat(TFormMain& main, QWidget* parent)
    : RecordListPage(
          "FormCat", "Categories",
          "Use the button to the left to add a new category to your catalog.",
          "Select a category from the list to the right and use the button to modify its "
          "content.",
          "Select a category from the list to the right and use the button to remove it.", parent),
      main_(main) {}

TFormCatInfo& TFormCat::Editor() const {
    return *static_cast<TFormCatInfo*>(main_.Pages()->Page(kPageCatInfo));
}

void TFormCat::FillCategoryLists() {
    MXCatalog& catalog = main_.Catalog();
    catalog.ClearCategoryRows();
    ClearLists();
    ListCategoryTree(ListBoxModify, catalog, {});
    ListCategoryTree(ListBoxRemove, catalog, {});
    ShowListControls(!catalog.Categories.empty());
}

void TFormCat::LMDButtonAddClick() {
    Editor().LoadNewCategory();
    main_.ShowPage(kPageCatInfo);
}

void TFormCat::LMDButtonModifyClick() {
    const int row = SelectedRow(ListBoxModify);
    if (row < 0) {
        main_.Prompts().ShowMessage("Modify Category", "You must select a category to modify.",
                                    PromptIcon::Error);
        return;
    }
    Editor().LoadCategory(main_.Catalog().CategoryIdAtRow(row));
    main_.ShowPage(kPageCatInfo);
}

void TFormCat::LMDButtonRemoveClick() {
    MXCatalog& catalog = main_.Catalog();
    const int row = SelectedRow(ListBoxRemove);
    auto found = catalog.Categories.find(row < 0 ? std::string() : catalog.CategoryIdAtRow(row));
    if (found == catalog.Categories.end()) {
        main_.Prompts().ShowMessage(kRemoveCaption, "You must select a category to remove.",
                                    PromptIcon::Error);
        return;
    }
    const std::string id = found->first;
    const MXCategory& category = found->second;
    if (!category.ItemIDs.empty() || !category.Children.empty()) {
        main_.Prompts().ShowMessage(kRemoveCaption, "Categories must be empty to be removed.",
                                    PromptIcon::Error);
        return;
    }
    if (main_.Prompts().Ask(kRemoveCaption, "Are you sure you want to remove this category?",
                            {PromptButton::Yes, PromptButton::No}) != PromptButton::Yes)
        return;
    for (auto& [key, other] : catalog.Categories) EraseFirst(other.Children, id);
    catalog.Categories.erase(id);
    catalog.Saved = false;
    main_.SetStatus("Category Removed.");
    main_.RefreshStoreInfo();
    FillCategoryLists();
    main_.ShowPage(kPageCategories);
}

#include "TFormItems.h"

#include <QListWidget>

#include "EditorLists.h"
#include "PageHost.h"
#include "Prompter.h"
#include "TFormItemInfo.h"
#include "TFormMain.h"

namespace {

const char kRemoveCaption[] = "Remove Item";

}  // namespace

TFormItems::TFormItems(TFormMain& main, QWidget* parent)
    : RecordListPage(
          "FormItems", "Items", "Use the button to the left to add a new item to your catalog.",
          "Select an item from the list to the right and use the button to modify its content.",
          "Select an item from the list to the right and use the button to remove it from your "
          "catalog.",
          parent),
      main_(main) {}

TFormItemInfo& TFormItems::Editor() const {
    return *static_cast<TFormItemInfo*>(main_.Pages()->Page(kPageItemInfo));
}

void TFormItems::FillItemLists() {
    const MXCatalog& catalog = main_.Catalog();
    ClearLists();
    for (QListWidget* list : {ListBoxModify, ListBoxRemove})
        for (const auto& [id, item] : catalog.Items) InsertByName(list, item.Name, id);
    ShowListControls(!catalog.Items.empty());
}

void TFormItems::LMDButtonAddClick() {
    Editor().LoadNewItem();
    main_.ShowPage(kPageItemInfo);
}

// Rows keep their item's ID, so an item is found even when a loaded catalog repeats a name.
void TFormItems::LMDButtonModifyClick() {
    const std::string id = SelectedRowKey(ListBoxModify);
    if (main_.Catalog().Items.count(id) == 0) {
        main_.Prompts().ShowMessage("Modify Item", "You must select an item to modify.",
                                    PromptIcon::Error);
        return;
    }
    Editor().LoadItem(id);
    main_.ShowPage(kPageItemInfo);
}

void TFormItems::LMDButtonRemoveClick() {
    MXCatalog& catalog = main_.Catalog();
    const std::string id = SelectedRowKey(ListBoxRemove);
    if (catalog.Items.count(id) == 0) {
        main_.Prompts().ShowMessage(kRemoveCaption, "You must select an item to remove.",
                                    PromptIcon::Error);
        return;
    }
    if (main_.Prompts().Ask(kRemoveCaption, "Are you sure you want to remove this item?",
                            {PromptButton::Yes, PromptButton::No}) != PromptButton::Yes)
        return;
    for (auto& [key, category] : catalog.Categories) EraseFirst(category.ItemIDs, id);
    catalog.Items.erase(id);
    catalog.Saved = false;
    main_.SetStatus("Item Removed.");
    main_.RefreshStoreInfo();
    FillItemLists();
    main_.ShowPage(kPageItems);
}

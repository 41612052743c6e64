#pragma once

#include "RecordListPage.h"

class TFormItemInfo;
class TFormMain;

// The items page: the items by name with Add, Modify and Remove.
class TFormItems : public RecordListPage {
    Q_OBJECT
public:
    explicit TFormItems(TFormMain& main, QWidget* parent = nullptr);

    // Refills both lists; the modify and remove controls show only when there are items.
    void FillItemLists();
    void Reload() override { FillItemLists(); }

    void LMDButtonAddClick() override;
    void LMDButtonModifyClick() override;
    void LMDButtonRemoveClick() override;

private:
    TFormItemInfo& Editor() const;

    TFormMain& main_;
};

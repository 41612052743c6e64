#pragma once

#include "RecordListPage.h"

class TFormCatInfo;
class TFormMain;

// The categories page: the category tree with Add, Modify and Remove.
class TFormCat : public RecordListPage {
    Q_OBJECT
public:
    explicit TFormCat(TFormMain& main, QWidget* parent = nullptr);

    // Refills both lists; the modify and remove controls show only when there are categories.
    void FillCategoryLists();
    void Reload() override { FillCategoryLists(); }

    void LMDButtonAddClick() override;
    void LMDButtonModifyClick() override;
    void LMDButtonRemoveClick() override;

private:
    TFormCatInfo& Editor() const;

    TFormMain& main_;
};

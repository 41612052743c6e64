#pragma once

#include <map>
#include <string>

#include "EditorPage.h"
#include "catalog/MXVariant.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class RecordPicture;
class TFormMain;
class TFormVariants;

// The item editor: every field of one item, its categories, picture and variants. OK checks the
// input and stores the item into the open catalog, keeping the categories' ItemIDs in step.
class TFormItemInfo : public EditorPage {
    Q_OBJECT
public:
    explicit TFormItemInfo(TFormMain& main, QWidget* parent = nullptr);

    void LoadNewItem();
    void LoadItem(const std::string& id);

    void LMDButtonOKClick();
    void LMDButtonCancelClick();
    void LMDButtonVaddClick();
    void LMDButtonVmodifyClick();
    void LMDButtonVremoveClick();

    QLineEdit *LMDEditSKU, *LMDEditName, *LMDMaskEditPrice, *LMDMaskEditFS, *LMDMaskEditIFS,
        *LMDMaskEditFSM, *LMDMaskEditIFSM;
    QCheckBox *LMDCheckBoxFlat, *LMDCheckBoxTax;
    QLineEdit *LMDMaskEditItemCount, *LMDMaskEditWeight, *LMDEditKeywords, *LMDMaskEditDefQty;
    QComboBox* ComboBoxQtySel;
    QListWidget* ListBoxCategory;
    QLineEdit* LMDEditSDesc;
    QPlainTextEdit* LMDMemoLDesc;
    RecordPicture* Picture;  // ImageItem, LMDButtonItem, LMDCheckBoxRemItem
    QListWidget* ListBoxVariants;
    QPushButton *LMDButtonVadd, *LMDButtonVmodify, *LMDButtonVremove;
    QLabel* ID;  // hidden: the edited item's ID, "0" for a new one
    QPushButton *LMDButtonOK, *LMDButtonCancel;
    TFormVariants* FormVariants;

    // The edited item's variants until OK stores them or Cancel drops them.
    std::map<std::string, MXVariant> WorkingVariants;

private:
    bool NameOrSkuInUse() const;
    void FillVariantList();
    std::string SelectedVariant(const char* caption, const char* message) const;
    void Done(const QString& status);

    TFormMain& main_;
};

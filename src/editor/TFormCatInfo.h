#pragma once

#include <string>

#include "EditorPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class RecordPicture;
class TFormMain;

// The category editor: one category's name, description, picture and parent, with its
// sub-categories and items listed for reference. OK stores it into the open catalog.
class TFormCatInfo : public EditorPage {
    Q_OBJECT
public:
    explicit TFormCatInfo(TFormMain& main, QWidget* parent = nullptr);

    void LoadNewCategory();
    void LoadCategory(const std::string& id);

    void LMDButtonOKClick();
    void LMDButtonCancelClick();

    QLineEdit* LMDCatName;
    QPlainTextEdit* LMDMemoCatDesc;
    RecordPicture* Picture;  // ImageCat, LMDButtonCat, LMDCheckBoxRemCat
    QListWidget* ListBoxCategory;
    QCheckBox* LMDCheckBoxNoParent;
    QListWidget *ListBoxSubcats, *ListBoxItems;
    QLabel* ID;  // hidden: the edited category's ID, "0" for a new one
    QPushButton *LMDButtonOK, *LMDButtonCancel;

private:
    void Done(const QString& status);

    TFormMain& main_;
};

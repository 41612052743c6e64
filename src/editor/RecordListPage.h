#pragma once

#include "EditorPage.h"

class QLabel;
class QListWidget;
class QPushButton;

// A page that maintains one kind of record: Add with its text, and Modify and Remove, each with
// its text and list, shown only while there are records. Double-clicking a row works as the
// button beside its list.
class RecordListPage : public EditorPage {
    Q_OBJECT
public:
    RecordListPage(const QString& objectName, const QString& title, const QString& addText,
                   const QString& modifyText, const QString& removeText,
                   QWidget* parent = nullptr);

    virtual void LMDButtonAddClick() = 0;
    virtual void LMDButtonModifyClick() = 0;
    virtual void LMDButtonRemoveClick() = 0;

    QPushButton *LMDButtonAdd, *LMDButtonModify, *LMDButtonRemove;
    QListWidget *ListBoxModify, *ListBoxRemove;
    QLabel *LabelModify, *LabelRemove;

protected:
    // Clears both lists.
    void ClearLists();
    // Shows or hides the modify and remove controls.
    void ShowListControls(bool visible);
};

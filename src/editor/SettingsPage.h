#pragma once

#include "EditorPage.h"

class QFormLayout;
class QLineEdit;
class QPushButton;
class TFormMain;

// A page that edits the open catalog with OK and Cancel buttons: OK marks the catalog changed
// and returns to the properties page; Cancel asks first and changes nothing.
class SettingsPage : public EditorPage {
    Q_OBJECT
public:
    SettingsPage(TFormMain& main, const QString& objectName, const QString& title,
                 QWidget* parent = nullptr);

    QPushButton* LMDButtonOK;
    QPushButton* LMDButtonCancel;

protected:
    // Adds the OK and Cancel buttons, with `note` beside them when it is not empty.
    void AddButtons(const QString& note = {});
    // A labelled one-line edit whose hint shows on the label and the edit; `prefix` is a fixed
    // text shown before the edit.
    static QLineEdit* AddEdit(QFormLayout* form, const char* name, const QString& label,
                              const QString& hint, const QString& prefix = {});

    // After OK has stored the page: the catalog is unsaved, the status line says `status`, the
    // store panel is refreshed and the properties page comes back.
    void Accepted(const QString& status);
    // Cancel: after a Yes to "Are you sure ...", says `status` and returns to the properties
    // page; after No the page stays with its edits.
    void CancelChanges(const QString& status);

    TFormMain& main_;
};

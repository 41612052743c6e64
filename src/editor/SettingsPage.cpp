#include "SettingsPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "PageHost.h"
#include "Prompter.h"
#include "TFormMain.h"

SettingsPage::SettingsPage(TFormMain& main, const QString& objectName, const QString& title,
                           QWidget* parent)
    : EditorPage(objectName, title, parent),
      LMDButtonOK(new QPushButton("OK")),
      LMDButtonCancel(new QPushButton("Cancel")),
      main_(main) {
    LMDButtonOK->setObjectName("LMDButtonOK");
    LMDButtonCancel->setObjectName("LMDButtonCancel");
}

void SettingsPage::AddButtons(const QString& note) {
    auto* row = new QHBoxLayout;
    row->addWidget(LMDButtonOK);
    row->addWidget(LMDButtonCancel);
    if (!note.isEmpty()) {
        auto* text = new QLabel(note);
        text->setWordWrap(true);
        row->addWidget(text, 1);
    } else {
        row->addStretch(1);
    }
    body()->addLayout(row);
}

QLineEdit* SettingsPage::AddEdit(QFormLayout* form, const char* name, const QString& label,
                                 const QString& hint, const QString& prefix) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setToolTip(hint);
    auto* caption = new QLabel(label);
    caption->setToolTip(hint);
    caption->setBuddy(edit);
    if (prefix.isEmpty()) {
        form->addRow(caption, edit);
    } else {
        auto* field = new QHBoxLayout;
        field->addWidget(new QLabel(prefix));
        field->addWidget(edit, 1);
        form->addRow(caption, field);
    }
    return edit;
}

void SettingsPage::Accepted(const QString& status) {
    main_.Catalog().Saved = false;
    main_.SetStatus(status);
    main_.RefreshStoreInfo();
    main_.ShowPage(kPageProperties);
}

void SettingsPage::CancelChanges(const QString& status) {
    if (!ConfirmCancelChanges(main_.Prompts())) return;
    main_.SetStatus(status);
    main_.ShowPage(kPageProperties);
}

#pragma once

#include "SettingsPage.h"

class QCheckBox;
class QLineEdit;

// Page 7: the hosted cart account the order forms post to, or demo mode.
class TFormAccount : public SettingsPage {
    Q_OBJECT
public:
    explicit TFormAccount(TFormMain& main, QWidget* parent = nullptr);

    void Load();

    QCheckBox* LMDCheckBoxDemo;
    QLineEdit *LMDSITEID, *LMDSERVER, *LMDPassword, *LMDPARTNERID;
    QPushButton *LMDButtonCreate, *LMDButtonAdmin;

private:
    void LMDCheckBoxDemoChange();
    void LMDButtonOKClick();
    void LMDButtonCancelClick();
};

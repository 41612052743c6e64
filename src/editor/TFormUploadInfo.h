#pragma once

#include "SettingsPage.h"

class QLineEdit;

// Page 6: the FTP server the store is uploaded to.
class TFormUploadInfo : public SettingsPage {
    Q_OBJECT
public:
    explicit TFormUploadInfo(TFormMain& main, QWidget* parent = nullptr);

    void Load();

    QLineEdit *LMDHost, *LMDDirectory, *LMDUsername, *LMDPassword;

private:
    void LMDButtonOKClick();
    void LMDButtonCancelClick();
};

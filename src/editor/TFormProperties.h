#pragma once

#include "EditorPage.h"

class QPushButton;
class TFormMain;

// Page 5: leads to the upload, account and customize pages, each loaded from the catalog just
// before it is shown.
class TFormProperties : public EditorPage {
    Q_OBJECT
public:
    explicit TFormProperties(TFormMain& main, QWidget* parent = nullptr);

    QPushButton* LMDButtonUpload;
    QPushButton* LMDButtonAccount;
    QPushButton* LMDButtonCustomize;

private:
    void LMDButtonUploadClick();
    void LMDButtonAccountClick();
    void LMDButtonCustomizeClick();

    TFormMain& main_;
};

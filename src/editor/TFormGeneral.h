#pragma once

#include "SettingsPage.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class PicturePreview;

// Page 1: the store's own details, its welcome message, and its logo and background pictures,
// which are written into the catalog's data folder as GIF files when the page is confirmed.
class TFormGeneral : public SettingsPage {
    Q_OBJECT
public:
    explicit TFormGeneral(TFormMain& main, QWidget* parent = nullptr);

    // Fills the page from the open catalog; the main window's General button calls it.
    void LoadGeneralPage();
    void Reload() override;

    QLineEdit *LMDEditCoName, *LMDEditStName, *LMDEditURL, *LMDEditPath, *LMDEditEmail,
        *LMDEditPhone, *LMDEditKeywords, *LMDEditDesc;
    QPlainTextEdit* LMDMemoWelcomeMsg;
    PicturePreview *ImageLogo, *ImageBG;
    QPushButton *LMDButtonLogo, *LMDButtonBG;
    QCheckBox *LMDCheckBoxRemLogo, *LMDCheckBoxRemBG;

private:
    // One of the two store pictures with its controls.
    struct StorePicture {
        const char* fileName;
        PicturePreview* preview;
        QCheckBox* remove;
        bool chosen = false;  // a picture was chosen since the page was loaded
    };

    void LMDButtonLogoClick();
    void LMDButtonBGClick();
    void LMDButtonOKClick();
    void LMDButtonCancelClick();

    std::string DataPath(const StorePicture& picture) const;
    void ShowStored(StorePicture& picture);
    void Browse(StorePicture& picture);
    void Apply(StorePicture& picture);

    StorePicture logo_, background_;
};

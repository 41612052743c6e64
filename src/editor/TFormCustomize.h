#pragma once

#include <functional>

#include "SettingsPage.h"

class QComboBox;
class QLineEdit;
class QUrl;

// Page 8: the store's colours, font, icon size, money symbol and template package.
class TFormCustomize : public SettingsPage {
    Q_OBJECT
public:
    // `openFile` opens a file with the desktop's default handler (the template's notes).
    TFormCustomize(TFormMain& main, std::function<void(const QUrl&)> openFile,
                   QWidget* parent = nullptr);

    void Load();

    QLineEdit *LMDEditText, *LMDEditLink, *LMDEditALink, *LMDEditVLink, *LMDEditBG, *LMDEditFont;
    QLineEdit *LMDMaskEditIconSize, *LMDEditMoney;
    QLineEdit *LMDEditC1, *LMDEditC2, *LMDEditC3;
    QComboBox* ComboBoxTemplate;
    QPushButton* LMDButtonInfo;

private:
    void LMDButtonOKClick();
    void LMDButtonCancelClick();
    void LMDButtonInfoClick();

    std::function<void(const QUrl&)> openFile_;
};

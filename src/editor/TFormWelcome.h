#pragma once

#include <functional>

#include "EditorPage.h"

class QPushButton;
class QUrl;

// Page 0: the greeting, with links to the vendor's site and its online help. The links open
// without testing the network.
class TFormWelcome : public EditorPage {
    Q_OBJECT
public:
    TFormWelcome(const QString& vendorServerUrl, std::function<void(const QUrl&)> openUrl,
                 QWidget* parent = nullptr);

    QPushButton* LMDButtonLaunch;
    QPushButton* LMDButtonHelp;

private:
    void LMDButtonLaunchClick();
    void LMDButtonHelpClick();

    QString vendorServerUrl_;
    std::function<void(const QUrl&)> openUrl_;
};

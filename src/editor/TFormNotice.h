#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "vendor/TemplateDownload.h"

class Prompter;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QThread;
struct VendorNotes;

// The notes window: the vendor's notes text and the templates it offers. Download installs the
// selected template into the template library on a worker thread; the window stays responsive
// and cannot be closed until the download has ended.
class TFormNotice : public QDialog, private TemplateDownloadHost {
    Q_OBJECT
public:
    TFormNotice(const VendorNotes& notes, Prompter& prompter, const std::string& startupFolder,
                const std::string& vendorServerUrl,
                std::function<void(const std::string&)> showStatus, QWidget* parent = nullptr);
    ~TFormNotice() override;

    QLabel* LabelNotes;
    QListWidget* ListBoxTemplates;
    QPushButton* LMDButtonDownload;
    QProgressBar* ProgressBar1;
    QPushButton* LMDButtonClose;

    bool Downloading() const;

public slots:
    void done(int result) override;

private:
    void LMDButtonDownloadClick();
    void DownloadEnded();

    // Called by the download on its worker thread; each runs on this window's thread.
    bool AskOkCancel(const std::string& caption, const std::string& text) override;
    void ShowProgress(int percent) override;
    void HideProgress() override;
    void ShowStatus(const std::string& text) override;

    Prompter& prompter_;
    std::function<void(const std::string&)> showStatus_;
    TemplateDownload download_;
    std::unique_ptr<QThread> worker_;
};

#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "QtUploadHost.h"
#include "catalog/FileCommands.h"
#include "generator/GenerationHost.h"
#include "generator/GenerationState.h"
#include "publish/NetworkProbe.h"
#include "vendor/VendorServer.h"

class EditorPage;
class PageHost;
class Prompter;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;
class QToolButton;
class QUrl;
class QVBoxLayout;
class TFormExport;
class TGenThread;
class TitlePanel;
struct VendorNotes;

// The vendor's account-administration server (create an account, the admin pages).
inline constexpr const char kAccountServer[] = "https://secure.zelmokrant.example";

// What the main window is given besides the start-up folder. Tests replace the network probe,
// the browser and the prompter.
struct MainWindowOptions {
    std::string startupFolder;  // holds Templates/ and Help/; ./Catalogs below it becomes current
    NetworkProbe probe = LocalIpAddress;
    std::string vendorServerUrl = VendorServerUrl();
    std::string accountServerUrl = kAccountServer;
    std::function<void(const QUrl&)> openUrl;  // empty: the desktop's default handler
    Prompter* prompter = nullptr;              // empty: message boxes and file dialogs
};

// The main window: owns the open catalog and its File commands, hosts the pages one at a time,
// shows the store information and the status line, and runs the generation and the upload with
// their cancel buttons.
class TFormMain : public QWidget, private FileCommandHost, private GenerationHost {
    Q_OBJECT
public:
    explicit TFormMain(MainWindowOptions options, QWidget* parent = nullptr);
    ~TFormMain() override;

    // Services the pages use.
    MXCatalog& Catalog() { return commands_.Catalog(); }
    ActivityFlags& Flags() { return flags_; }
    Prompter& Prompts() { return *prompter_; }
    const std::string& StartupFolder() const { return commands_.StartupFolder(); }
    void ShowPage(int page);
    void RefreshStoreInfo();
    void StartNewCatalog();
    void SetStatus(const QString& text);
    PageHost* Pages() const { return LMDFormDisplay1; }

    // Web links; each does nothing without a network connection.
    void CreateAccountClick();
    void AdminPagesClick();

    // Controls, named as the pages and tests know them.
    TitlePanel* LMDPanelFill1;
    QToolButton *LMDButtonMin, *LMDButtonClose;
    QToolButton *LMDMMButtonFile, *LMDMMButtonProperties, *LMDMMButtonGeneral, *LMDMMButtonCat,
        *LMDMMButtonItems, *LMDMMButtonExport, *LMDMMButtonHelp;
    QMenu *PopupMenuFile, *PopupMenuHelp;
    QAction *MenuNew, *MenuOpen, *MenuClose, *MenuSave, *MenuSaveAs, *MenuCreateAccount,
        *MenuAdminPages, *MenuExit;
    QAction *MenuHowToUse, *MenuOnlineHelp, *MenuWebSite, *MenuAbout;
    QLabel* ImageAnim;
    QGroupBox* LMDGroupBoxInfo;
    QLabel *LabelSITEID, *LabelNumCats, *LabelNumItems, *LabelStore, *LabelTemplate;
    QGroupBox* LMDGroupBoxStatus;
    QLabel* LabelStatus;
    QProgressBar* ProgressBar1;
    QPushButton *LMDButtonCancelUpload, *LMDButtonCancelGeneration;
    QTimer* Timer1;
    PageHost* LMDFormDisplay1;
    TFormExport* FormExport;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTitleBar(QVBoxLayout* layout);
    void BuildPageButtons(QVBoxLayout* layout);
    void BuildMenus();
    QWidget* BuildSidePanel();
    void RegisterPages();
    void SyncFileMenu();
    bool WorkRunning() const;
    void RunFileCommand(void (CatalogFileCommands::*command)());

    void PageButtonClick(int page);
    void ExitClick();
    void OpenWebLink(const std::string& server, const char* path);
    void HowToUseClick();
    void AboutClick();

    void LMDButtonGenerateClick();
    void LMDButtonUploadClick();
    void LMDButtonCancelUploadClick();
    void LMDButtonCancelGenerationClick();
    void Timer1Timer();
    void ShowNotes(const VendorNotes& notes);

    // FileCommandHost
    SaveChangesAnswer AskSaveChanges() override;
    bool AskOverwriteCatalog() override;
    std::optional<std::string> ChooseFolder(const std::string& title, bool allowNewFolder) override;
    void ShowStatus(const std::string& text) override;
    void DocumentReplaced() override;
    // GenerationHost: runs on this window's thread while the worker waits.
    void statusCall(WorkerChannel& channel) override;

    MainWindowOptions options_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_;
    ActivityFlags flags_;
    CatalogFileCommands commands_;
    GenerationState generationState_;
    QtUploadHost uploadHost_;
    std::unique_ptr<TGenThread> generation_;
    std::unique_ptr<QThread> generationWatch_;  // ends when the generation's worker has ended
    std::unique_ptr<QThread> uploadWorker_;
    std::unique_ptr<QThread> notesWorker_;
    bool exiting_ = false;
    bool destroying_ = false;
    QPoint pressPoint_;
};

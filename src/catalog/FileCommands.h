#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "MXCatalog.h"

// Set while a generation or an upload runs. The cancel buttons clear them; the loops of the
// generation and the upload test them before each step.
struct ActivityFlags {
    std::atomic<bool> Running{false};    // a generation runs
    std::atomic<bool> Uploading{false};  // an upload runs
    bool Busy() const { return Running.load() || Uploading.load(); }
};

enum class SaveChangesAnswer { Yes, No, Cancel };

// What the file commands need from the window that hosts them: its questions, its folder
// chooser and its status line. The desktop program answers with dialogs, tests with scripts.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;
    // "Do you want to save your changes?" (caption "Save Changes"; Yes, No, Cancel)
    virtual SaveChangesAnswer AskSaveChanges() = 0;
    // "Catalog Exists- Do you want to overwrite it?" (caption "Save Changes"); true on OK
    virtual bool AskOverwriteCatalog() = 0;
    // A folder chooser with this title; nothing when the user cancels.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    bool allowNewFolder) = 0;
    virtual void ShowStatus(const std::string& text) = 0;
    // The document was replaced or loaded: refresh the information panel, show the welcome page.
    virtual void DocumentReplaced() {}
};

// The File menu: New, Open, Close, Save, Save As and Exit over the one open document, with the
// rule for unsaved changes. Every command but Exit does nothing while a generation or an upload
// runs.
class CatalogFileCommands {
public:
    CatalogFileCommands(FileCommandHost& host, ActivityFlags& flags, std::string startupFolder);

    MXCatalog& Catalog() { return *catalog_; }
    const std::string& StartupFolder() const { return startupFolder_; }

    // The first document of a run: made as New makes one, without the question.
    void Start();
    void New();
    void Close() { New(); }
    void Open();
    void Save();
    void SaveAs();
    // True when the program may end now (the host then discards the document). While work runs
    // it only asks that work to stop.
    bool Exit();

    // The File menu's enabled states.
    bool CloseEnabled() const { return closeEnabled_; }
    bool SaveEnabled() const { return saveEnabled_; }
    bool SaveAsEnabled() const { return saveAsEnabled_; }
    // Called whenever the information panel is refreshed: unsaved changes enable Save.
    void RefreshMenu();

private:
    // False when the command that asked must be abandoned.
    bool ResolveUnsavedChanges();
    void SaveIntoFolder();  // Save from the point where the folder is known
    void EnableAfterReplace();

    FileCommandHost& host_;
    ActivityFlags& flags_;
    std::string startupFolder_;
    std::unique_ptr<MXCatalog> catalog_;
    bool closeEnabled_ = false, saveEnabled_ = false, saveAsEnabled_ = false;
};

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "RunProgram.h"
#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "VendorTestServer.h"
#include "catalog/MXCatalog.h"
#include "editor/EditorPage.h"
#include "editor/PageHost.h"
#include "editor/TFormExport.h"
#include "editor/TFormMain.h"
#include "editor/TFormNotice.h"

namespace fs = std::filesystem;

// Readable failure messages for texts of the window.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

constexpr int kWaitMs = 30000;  // generous: only a hung run takes this long

// Lets the window's events run until `done` holds or the time is up; false on time-out. (Qt's
// QTRY_ macros report to QTest, not to GoogleTest, so a failure there would pass unseen.)
template <class Condition>
bool WaitFor(Condition done, int ms = kWaitMs) {
    return QTest::qWaitFor([&] { return static_cast<bool>(done()); }, ms);
}

class MainWindow : public testing::Test {
protected:
    void SetUp() override { StartWindow("http://vendor.test"); }
    void StartWindow(const std::string& vendorServerUrl) {
        fs::create_directories(home / "Catalogs");
        MainWindowOptions options;
        options.startupFolder = home.path();
        options.probe = [this] { return ip; };
        options.vendorServerUrl = vendorServerUrl;
        options.accountServerUrl = "http://account.test";
        options.openUrl = [this](const QUrl& url) { opened << url.toString(); };
        options.prompter = &prompter;
        window = std::make_unique<TFormMain>(options);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { EXPECT_EQ(prompter.problems(), QStringList()); }

    QString Status() const { return window->LabelStatus->text(); }
    int Page() const { return window->Pages()->CurrentPage(); }
    void Click(const char* name) {
        auto* button = window->findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void Menu(const char* name) {
        auto* action = window->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        action->trigger();
    }
    bool Enabled(const char* name) const { return window->findChild<QAction*>(name)->isEnabled(); }
    // Changes the open catalog as an editor page would.
    void Edit(const std::string& storeName) {
        window->Catalog().StoreName = storeName;
        window->Catalog().Saved = false;
        window->RefreshStoreInfo();
    }
    // A saved catalog folder below tmp.
    std::string SavedCatalog(const std::string& name, const std::string& storeName,
                             const std::string& templateName = "") {
        MXCatalog c;
        c.CatalogFolder = tmp / name;
        c.StoreName = storeName;
        c.Template = templateName;
        fs::create_directories(c.CatalogFolder);
        EXPECT_TRUE(c.Save());
        return c.CatalogFolder;
    }
    // A one-page template package in the start-up folder and a catalog that uses it, opened.
    std::string OpenTinyShop() {
        WriteFileBytes(home / "Templates/Tiny/mxinfo.dat", "main:index:html\r\n");
        WriteFileBytes(home / "Templates/Tiny/index.html", "<p>!!storename!!</p>\r\n");
        const std::string shop = SavedCatalog("Tiny Shop", "Harbour Tea", "Tiny");
        prompter.AnswerPath(QString::fromStdString(shop));
        Menu("MenuOpen");
        EXPECT_EQ(Status(), "Catalog Loaded.");
        return shop;
    }

    std::string CopySample(const std::string& name);

    TempFolder home, tmp;
    ScriptedPrompter prompter;
    std::string ip = "0.0.0.0";  // no network: the notes check waits
    QStringList opened;
    std::unique_ptr<TFormMain> window;
};

}  // namespace

TEST_F(MainWindow, StartsWithANewCatalogOnTheWelcomePage) {
    EXPECT_EQ(Status(), "New Catalog.");
    EXPECT_EQ(Page(), kPageWelcome);
    EXPECT_EQ(window->LabelSITEID->text(), "DEMO");
    EXPECT_EQ(window->LabelNumCats->text(), "0");
    EXPECT_EQ(window->LabelNumItems->text(), "0");
    EXPECT_EQ(window->LabelStore->text(), "None");
    EXPECT_EQ(window->LabelTemplate->text(), "None");
    EXPECT_TRUE(Enabled("MenuNew") && Enabled("MenuOpen") && Enabled("MenuExit"));
    EXPECT_TRUE(Enabled("MenuClose") && Enabled("MenuSaveAs"));
    EXPECT_FALSE(Enabled("MenuSave"));
    EXPECT_FALSE(window->ProgressBar1->isVisible());
    EXPECT_FALSE(window->LMDButtonCancelUpload->isVisible());
    EXPECT_FALSE(window->LMDButtonCancelGeneration->isVisible());
    EXPECT_FALSE(window->Flags().Busy());
    EXPECT_EQ(window->StartupFolder(), home.path());
    EXPECT_EQ(QDir::current().canonicalPath(),
              QDir(QString::fromStdString(home / "Catalogs")).canonicalPath());
    EXPECT_TRUE(window->Timer1->isActive());

    const QStringList titles = {
        "Welcome!",  "General Information",  "Categories",         "Items",
        "Export",    "Catalog Properties",   "Upload Information", "Account Information",
        "Customize", "Category Information", "Item Information"};
    ASSERT_EQ(window->Pages()->count(), kPageCount);
    for (int page = 0; page < kPageCount; ++page)
        EXPECT_EQ(window->Pages()->Page(page)->title(), titles[page]) << page;
}

TEST_F(MainWindow, StoreInformationShortensLongNamesAndShowsTheSiteId) {
    struct Case {
        std::string storeName, templateName, siteId;
        bool demo;
        QString store, templ, site;
    } cases[] = {
        {"Fifteen chars!!", "", "", true, "Fifteen chars!!", "None", "DEMO"},
        {"Sixteen chars!!!", "Classic", "", false, "Sixteen chars!!...", "Classic", "M"},
        {"", "A very long template", "1234", false, "None", "A very long tem...", "M1234"},
        {"Teehaus M\xC3\xBCller & S\xC3\xB6hne", "", "", true, "Teehaus M\u00FCller ...", "None",
         "DEMO"},
    };
    for (const Case& c : cases) {
        MXCatalog& catalog = window->Catalog();
        catalog.StoreName = c.storeName;
        catalog.Template = c.templateName;
        catalog.SITEID = c.siteId;
        catalog.DemoMode = c.demo;
        window->RefreshStoreInfo();
        EXPECT_EQ(window->LabelStore->text(), c.store);
        EXPECT_EQ(window->LabelTemplate->text(), c.templ);
        EXPECT_EQ(window->LabelSITEID->text(), c.site);
    }
    EXPECT_FALSE(Enabled("MenuSave"));  // the catalog is still saved
    Edit("Changed");
    EXPECT_TRUE(Enabled("MenuSave"));
}

TEST_F(MainWindow, FileMenuAsksAboutUnsavedChangesAndChoosesFolders) {
    Edit("Harbour Tea");
    prompter.Answer(PromptButton::Cancel);
    Menu("MenuNew");
    EXPECT_EQ(window->LabelStore->text(), "Harbour Tea");  // New was abandoned

    // Save of a new catalog goes through Save As and its folder chooser.
    const std::string folder = tmp / "Harbour";
    fs::create_directories(folder);
    prompter.AnswerPath(QString::fromStdString(folder));
    Menu("MenuSave");
    EXPECT_EQ(Status(), "Catalog Saved.");
    EXPECT_FALSE(Enabled("MenuSave"));
    EXPECT_TRUE(fs::is_regular_file(folder + "/info"));

    // Open with unsaved changes: No discards them; the loaded catalog fills the panel and the
    // welcome page comes back.
    const std::string other = SavedCatalog("Other", "Other Shop");
    Edit("Harbour Tea II");
    Click("LMDMMButtonExport");
    prompter.Answer(PromptButton::No);
    prompter.AnswerPath(QString::fromStdString(other));
    Menu("MenuOpen");
    EXPECT_EQ(Status(), "Catalog Loaded.");
    EXPECT_EQ(window->LabelStore->text(), "Other Shop");
    EXPECT_EQ(Page(), kPageWelcome);

    // Save As onto another catalog asks before overwriting it; Cancel keeps the folder.
    prompter.AnswerPath(QString::fromStdString(folder));
    prompter.Answer(PromptButton::Cancel);
    Menu("MenuSaveAs");
    EXPECT_EQ(window->Catalog().CatalogFolder, other);
    EXPECT_EQ(Status(), "Catalog Loaded.");

    // Close is New: a fresh catalog without a question, as nothing is unsaved.
    Menu("MenuClose");
    EXPECT_EQ(Status(), "New Catalog.");
    EXPECT_EQ(window->LabelStore->text(), "None");

    const std::vector<std::pair<QString, QString>> expected = {
        {"Save Changes", "Do you want to save your changes?"},
        {"Save Catalog...", ""},
        {"Save Changes", "Do you want to save your changes?"},
        {"Load Catalog...", ""},
        {"Save Catalog...", ""},
        {"Save Changes", "Catalog Exists- Do you want to overwrite it?"},
    };
    ASSERT_EQ(prompter.shown().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(prompter.shown()[i].caption, expected[i].first) << i;
        EXPECT_EQ(prompter.shown()[i].text, expected[i].second) << i;
    }
}

// The sample catalog copied below tmp with its template in the start-up folder.
std::string MainWindow::CopySample(const std::string& name) {
    const std::string source = MARLIX_SOURCE_ROOT;
    if (!fs::exists(home / "Templates/Modern")) {
        fs::create_directories(home / "Templates");
        fs::copy(source + "/Templates/Modern", home / "Templates/Modern",
                 fs::copy_options::recursive);
    }
    const std::string folder = tmp / name;
    fs::create_directories(folder + "/output");
    fs::copy(source + "/Catalogs/Sample/info", folder + "/info");
    fs::copy(source + "/Catalogs/Sample/data", folder + "/data", fs::copy_options::recursive);
    return folder;
}

TEST_F(MainWindow, GenerateFromTheExportPageMakesTheSameStoreAsTheCommandLine) {
    const std::string shop = CopySample("Window");
    prompter.AnswerPath(QString::fromStdString(shop));
    Menu("MenuOpen");
    ASSERT_EQ(Status(), "Catalog Loaded.");
    Click("LMDMMButtonExport");
    ASSERT_EQ(Page(), kPageExport);
    Click("LMDButtonGenerate");
    EXPECT_TRUE(window->Flags().Running);
    EXPECT_TRUE(WaitFor([&] { return Status().startsWith("Vivivud Generation Succeeded.\nTime:"); }));
    EXPECT_TRUE(WaitFor([&] { return !window->Flags().Running; }));
    EXPECT_FALSE(window->LMDButtonCancelGeneration->isVisible());

    // Pictures are written on the window's thread; the store must not differ from one made
    // without a window.
    const std::string reference = CopySample("Terminal");
    const ProgramResult cli =
        RunProgram({MARLIX_BIN, "--home", home.path(), "generate", reference});
    ASSERT_EQ(cli.exitCode, 0) << cli.out;
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(reference + "/output"))
        files.push_back(entry.path().filename().string());
    ASSERT_GT(files.size(), 50u);
    for (const std::string& file : files)
        EXPECT_EQ(ReadFileBytes(shop + "/output/" + file),
                  ReadFileBytes(reference + "/output/" + file))
            << file;
    EXPECT_EQ(std::distance(fs::directory_iterator(shop + "/output"), fs::directory_iterator()),
              static_cast<long>(files.size()));
}

TEST_F(MainWindow, ExitDuringAGenerationOnlyClearsTheFlags) {
    OpenTinyShop();
    Edit("Unsaved Tea");
    Click("LMDMMButtonExport");
    // The worker waits for this thread at its first status line, so the run is still going
    // through every command below.
    Click("LMDButtonGenerate");
    ASSERT_TRUE(window->Flags().Running);
    Click("LMDMMButtonGeneral");
    EXPECT_EQ(Page(), kPageExport);
    Menu("MenuNew");
    EXPECT_EQ(window->LabelStore->text(), "Unsaved Tea");

    Menu("MenuExit");  // asks nothing: the prompter has no answer queued
    EXPECT_FALSE(window->Flags().Running);
    EXPECT_FALSE(window->Flags().Uploading);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(WaitFor([&] { return Status().startsWith("Vivivud Generation Cancelled.\nTime:"); }));

    // Once the run has ended, Exit takes its normal path.
    EXPECT_TRUE(WaitFor([&] { return (Click("LMDMMButtonGeneral"), Page() == kPageGeneral); }));
    prompter.Answer(PromptButton::No);
    Menu("MenuExit");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, UploadReportsWhyItCannotStart) {
    window->Timer1->stop();  // the notes check stays out of this test
    const std::pair<std::string, QString> cases[] = {
        {"0.0.0.0", "Upload Failed: You must be connected to the Internet."},
        {"192.0.2.1",
         "Upload Failed: You must enter all FTP host information to upload your catalog."},
    };
    Click("LMDMMButtonExport");
    for (const auto& [address, status] : cases) {
        ip = address;
        window->SetStatus("");
        // The Properties page has a button of the same name: take the Export page's own.
        QTest::mouseClick(window->FormExport->LMDButtonUpload, Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return Status() == status; })) << Status().toStdString();
        EXPECT_TRUE(WaitFor([&] { return !window->Flags().Uploading; }));
        EXPECT_FALSE(window->LMDButtonCancelUpload->isVisible());
    }
}

TEST_F(MainWindow, WebLinksNeedANetworkButTheWelcomePageLinksDoNot) {
    window->Timer1->stop();
    Menu("MenuOnlineHelp");
    Menu("MenuCreateAccount");
    EXPECT_EQ(opened, QStringList());
    Click("LMDButtonHelp");
    Click("LMDButtonLaunch");
    Menu("MenuHowToUse");
    ip = "192.0.2.1";
    Menu("MenuOnlineHelp");
    Menu("MenuWebSite");
    Menu("MenuCreateAccount");
    Menu("MenuAdminPages");
    EXPECT_EQ(opened,
              QStringList({
                  "http://vendor.test/marlix/",
                  "http://vendor.test/",
                  QUrl::fromLocalFile(QString::fromStdString(home / "Help/index.html")).toString(),
                  "http://vendor.test/marlix/",
                  "http://vendor.test/",
                  "http://account.test/mini/admin/showadmin.cgi?M1000+addenter.ah",
                  "http://account.test/mini/admin/",
              }));
}

namespace {

// The vendor's server on 127.0.0.1, serving a notes file.
class NotesCheck : public MainWindow {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.running());
        WriteFileBytes(server.root() + "/marlix/info.txt",
                       "BEGINNOTE\r\nFresh tea templates!\r\nENDNOTE\r\n"
                       "BEGINTEMPLATES\r\nClassic\r\nBlue Sky\r\nENDTEMPLATES\r\n");
        StartWindow(server.url());
    }
    VendorTestServer server;
};

}  // namespace

TEST_F(NotesCheck, NotesWindowShowsTheNotesAndDownloadsATemplate) {
    WriteFileBytes(home / "Templates/Blue Sky/old.html", "old");
    prompter.Answer(PromptButton::Ok);  // replace the Blue Sky package

    // The notes window is modal: this timer works it from inside its event loop.
    QStringList seen;
    bool closed = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* notice = window->findChild<TFormNotice*>();
        if (!notice || !notice->isVisible() || notice->Downloading()) return;
        if (seen.isEmpty()) {
            seen << notice->LabelNotes->text();
            for (int row = 0; row < notice->ListBoxTemplates->count(); ++row)
                seen << notice->ListBoxTemplates->item(row)->text();
            notice->ListBoxTemplates->setCurrentRow(0);
            QTest::mouseClick(notice->LMDButtonDownload, Qt::LeftButton);
        } else if (!closed) {
            closed = true;
            QTest::mouseClick(notice->LMDButtonClose, Qt::LeftButton);
        }
    });
    driver.start(20);

    ip = "192.0.2.1";  // the network appears: the next tick fetches the notes, once
    EXPECT_TRUE(WaitFor([&] { return closed && !window->findChild<TFormNotice*>(); }));
    EXPECT_EQ(seen, QStringList({"Fresh tea templates!", "Blue Sky", "Classic"}));
    EXPECT_EQ(Status(), "Retrieved new template: Blue Sky");
    EXPECT_EQ(ReadFileBytes(home / "Templates/Blue Sky/index.html"),
              ReadFileBytes(server.root() + "/marlix/Templates/Blue Sky/index.html"));
    EXPECT_FALSE(fs::exists(home / "Templates/Blue Sky/old.html"));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, "Template Exists");
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_EQ(server.TakeRequests().front(), "/marlix/info.txt");
}

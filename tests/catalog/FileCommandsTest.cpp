#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "TempFolder.h"
#include "catalog/FileCommands.h"

namespace fs = std::filesystem;

namespace {

// Answers the file commands' questions from a script and records what was asked and shown.
class ScriptedHost : public FileCommandHost {
public:
    std::deque<SaveChangesAnswer> saveChanges;
    std::deque<bool> overwrite;
    std::deque<std::optional<std::string>> folders;
    std::vector<std::string> asked, status;
    int replaced = 0;

    SaveChangesAnswer AskSaveChanges() override {
        asked.push_back("Do you want to save your changes?");
        return Next(saveChanges);
    }
    bool AskOverwriteCatalog() override {
        asked.push_back("Catalog Exists- Do you want to overwrite it?");
        return Next(overwrite);
    }
    std::optional<std::string> ChooseFolder(const std::string& title, bool) override {
        asked.push_back(title);
        return Next(folders);
    }
    void ShowStatus(const std::string& text) override { status.push_back(text); }
    void DocumentReplaced() override { ++replaced; }

    std::string LastStatus() const { return status.empty() ? "" : status.back(); }

private:
    template <class T>
    T Next(std::deque<T>& queue) {
        if (queue.empty()) {
            ADD_FAILURE() << "unexpected question";
            return T{};
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

class FileCommands : public testing::Test {
protected:
    FileCommands() : commands(host, flags, home.path()) { commands.Start(); }

    // A saved catalog in its own folder, with a picture and a generated page.
    std::string MakeCatalog(const std::string& name, const std::string& storeName) {
        std::string folder = tmp / name;
        fs::create_directories(folder);
        MXCatalog c;
        c.CatalogFolder = folder;
        c.StoreName = storeName;
        EXPECT_TRUE(c.Save());
        WriteFileBytes(folder + "/data/logo.gif", "logo of " + storeName);
        WriteFileBytes(folder + "/output/index.html", "<html>");
        return folder;
    }

    void Edit(const std::string& storeName) {
        commands.Catalog().StoreName = storeName;
        commands.Catalog().Saved = false;
        commands.RefreshMenu();
    }

    TempFolder home, tmp;
    ScriptedHost host;
    ActivityFlags flags;
    CatalogFileCommands commands;
};

}  // namespace

TEST_F(FileCommands, StartIsANewDocument) {
    EXPECT_EQ(host.status, (std::vector<std::string>{"New Catalog."}));
    EXPECT_TRUE(commands.CloseEnabled());
    EXPECT_TRUE(commands.SaveAsEnabled());
    EXPECT_FALSE(commands.SaveEnabled());
    Edit("x");
    EXPECT_TRUE(commands.SaveEnabled());
}

TEST_F(FileCommands, SaveOfANewDocumentGoesThroughSaveAs) {
    std::string folder = tmp / "New";
    fs::create_directory(folder);
    Edit("Fresh");
    host.folders = {folder};
    commands.Save();
    EXPECT_EQ(host.asked, (std::vector<std::string>{"Save Catalog..."}));
    EXPECT_EQ(host.LastStatus(), "Catalog Saved.");
    EXPECT_FALSE(commands.SaveEnabled());
    EXPECT_TRUE(fs::is_directory(folder + "/data"));
    EXPECT_TRUE(fs::is_directory(folder + "/output"));
    EXPECT_TRUE(fs::is_regular_file(folder + "/info"));
    EXPECT_TRUE(commands.Catalog().Saved);
}

TEST_F(FileCommands, OpenThenSaveAsIntoANewFolderCopiesThePictures) {
    std::string shop = MakeCatalog("Shop", "Shop");
    host.folders = {shop};
    commands.Open();
    EXPECT_EQ(host.LastStatus(), "Catalog Loaded.");
    EXPECT_EQ(commands.Catalog().StoreName, "Shop");
    EXPECT_EQ(host.replaced, 1);

    std::string copy = tmp / "Copy";
    fs::create_directory(copy);
    host.folders = {copy};
    commands.SaveAs();
    EXPECT_EQ(host.status[host.status.size() - 2], "Copied File: logo.gif");
    EXPECT_EQ(host.LastStatus(), "Catalog Saved.");
    EXPECT_EQ(ReadFileBytes(copy + "/data/logo.gif"), "logo of Shop");
    EXPECT_EQ(commands.Catalog().CatalogFolder, copy);

    host.status.clear();
    commands.Save();
    EXPECT_EQ(host.status, (std::vector<std::string>{"Catalog Saved."}));
}

TEST_F(FileCommands, SaveAsIntoItsOwnFolder) {
    std::string shop = MakeCatalog("Shop", "Shop");
    host.folders = {shop};
    commands.Open();
    const std::string before = ReadFileBytes(shop + "/info");

    host.folders = {shop};
    host.overwrite = {true};
    commands.SaveAs();
    EXPECT_EQ(host.LastStatus(), "Catalog Already Saved.");
    EXPECT_EQ(ReadFileBytes(shop + "/info"), before);

    Edit("Renamed");
    host.folders = {shop};
    host.overwrite = {true};
    commands.SaveAs();
    EXPECT_EQ(host.LastStatus(), "Catalog Saved.");
    EXPECT_NE(ReadFileBytes(shop + "/info").find("StoreName=Renamed\r\n"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(shop + "/data/logo.gif"), "logo of Shop");  // own pictures kept
}

TEST_F(FileCommands, SaveAsOverAnotherCatalog) {
    std::string shop = MakeCatalog("Shop", "Shop");
    std::string other = MakeCatalog("Other", "Other");
    host.folders = {shop};
    commands.Open();

    // Cancel keeps the previous folder and the other catalog.
    host.folders = {other};
    host.overwrite = {false};
    commands.SaveAs();
    EXPECT_EQ(commands.Catalog().CatalogFolder, shop);
    EXPECT_EQ(ReadFileBytes(other + "/data/logo.gif"), "logo of Other");

    // OK replaces the other catalog: its generated store goes, our pictures come.
    host.folders = {other};
    host.overwrite = {true};
    commands.SaveAs();
    EXPECT_EQ(host.LastStatus(), "Catalog Saved.");
    EXPECT_EQ(ReadFileBytes(other + "/data/logo.gif"), "logo of Shop");
    EXPECT_FALSE(fs::exists(other + "/output/index.html"));
    EXPECT_NE(ReadFileBytes(other + "/info").find("StoreName=Shop\r\n"), std::string::npos);
}

TEST_F(FileCommands, SaveAsFailsWhenTheOtherCatalogCannotBeCleared) {
    std::string shop = MakeCatalog("Shop", "Shop");
    std::string other = MakeCatalog("Other", "Other");
    WriteFileBytes(other + "/output/images/a.jpg", "x");
    host.folders = {shop};
    commands.Open();
    host.folders = {other};
    host.overwrite = {true};
    commands.SaveAs();
    EXPECT_EQ(host.LastStatus(), "ERROR: Catalog NOT Saved.");
    EXPECT_EQ(commands.Catalog().CatalogFolder, shop);
}

TEST_F(FileCommands, UnsavedChangesRule) {
    std::string shop = MakeCatalog("Shop", "Shop");

    // Cancel abandons the command.
    Edit("Changed");
    host.saveChanges = {SaveChangesAnswer::Cancel};
    commands.New();
    EXPECT_EQ(commands.Catalog().StoreName, "Changed");

    // Yes on a document without a folder leads to Save As; cancelling its chooser abandons Open.
    host.saveChanges = {SaveChangesAnswer::Yes};
    host.folders = {std::nullopt};
    commands.Open();
    EXPECT_EQ(host.asked.back(), "Save Catalog...");
    EXPECT_EQ(commands.Catalog().StoreName, "Changed");
    host.saveChanges = {SaveChangesAnswer::Cancel};
    EXPECT_FALSE(commands.Exit());

    // No drops the changes.
    host.saveChanges = {SaveChangesAnswer::No};
    host.folders = {shop};
    commands.Open();
    EXPECT_EQ(host.LastStatus(), "Catalog Loaded.");
    EXPECT_EQ(commands.Catalog().StoreName, "Shop");

    // Yes on a loaded catalog saves it before the new document comes.
    Edit("Saved first");
    host.saveChanges = {SaveChangesAnswer::Yes};
    commands.New();
    EXPECT_EQ(host.LastStatus(), "New Catalog.");
    EXPECT_NE(ReadFileBytes(shop + "/info").find("StoreName=Saved first\r\n"), std::string::npos);
    EXPECT_TRUE(commands.Exit());  // a new document holds no changes
}

TEST_F(FileCommands, OpenOfAFolderThatHoldsNoCatalog) {
    Edit("Changed");
    host.saveChanges = {SaveChangesAnswer::No};
    host.folders = {std::string(tmp / "empty")};
    fs::create_directory(tmp / "empty");
    int replacedBefore = host.replaced;
    commands.Open();
    EXPECT_EQ(host.LastStatus(), "Catalog Load Failed.");
    EXPECT_EQ(host.replaced, replacedBefore);
    EXPECT_EQ(commands.Catalog().StoreName, "");  // the old document is gone

    host.folders = {std::nullopt};  // cancelling the chooser changes nothing
    host.status.clear();
    commands.Open();
    EXPECT_TRUE(host.status.empty());
}

TEST_F(FileCommands, CommandsWaitWhileWorkRuns) {
    Edit("Busy");
    flags.Running = true;
    flags.Uploading = true;
    commands.New();
    commands.Open();
    commands.Save();
    commands.SaveAs();
    EXPECT_TRUE(host.asked.empty());
    EXPECT_EQ(commands.Catalog().StoreName, "Busy");

    // Exit only asks both to stop; the next Exit takes the normal path.
    EXPECT_FALSE(commands.Exit());
    EXPECT_FALSE(flags.Running);
    EXPECT_FALSE(flags.Uploading);
    EXPECT_TRUE(host.asked.empty());
    host.saveChanges = {SaveChangesAnswer::No};
    EXPECT_TRUE(commands.Exit());
}

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "TempFolder.h"
#include "VendorTestServer.h"
#include "catalog/StartupFolder.h"
#include "vendor/TemplateDownload.h"

namespace fs = std::filesystem;

namespace {

// Answers the overwrite question from a script and records everything shown.
struct ScriptedHost : TemplateDownloadHost {
    bool answer = true;
    std::vector<std::string> questions, statuses;
    std::vector<int> progress;  // -1 for each hiding of the bar

    bool AskOkCancel(const std::string& caption, const std::string& text) override {
        questions.push_back(caption + "|" + text);
        return answer;
    }
    void ShowProgress(int percent) override { progress.push_back(percent); }
    void HideProgress() override { progress.push_back(-1); }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
};

// The names in a folder, sub-folders marked with a trailing "/", sorted.
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
    std::sort(names.begin(), names.end());
    return names;
}

class TemplateDownloadTest : public testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new VendorTestServer; }
    static void TearDownTestSuite() { delete server_; }
    void SetUp() override {
        ASSERT_TRUE(server_->running());
        server_->TakeRequests();
    }

    DownloadOutcome Download(const std::string& name, const std::string& url = server_->url()) {
        return TemplateDownload(host, home.path(), url).Download(name);
    }
    std::string Package(const std::string& name) const {
        return TemplateLibraryPath(home.path()) + "/" + name;
    }
    std::string Served(const std::string& path) const {
        return ReadFileBytes(server_->root() + "/marlix/Templates/" + path);
    }

    static VendorTestServer* server_;
    TempFolder home;
    ScriptedHost host;
};
VendorTestServer* TemplateDownloadTest::server_ = nullptr;

TEST_F(TemplateDownloadTest, FetchesEveryLinkedFileWithProgress) {
    EXPECT_EQ(Download("Classic"), DownloadOutcome::Retrieved);
    EXPECT_EQ(Listing(Package("Classic")),
              (std::vector<std::string>{"index.html", "mxinfo.dat", "notes.txt"}));
    for (const char* file : {"index.html", "mxinfo.dat", "notes.txt"})
        EXPECT_EQ(ReadFileBytes(Package("Classic") + "/" + file),
                  Served(std::string("Classic/") + file));
    EXPECT_EQ(host.statuses, std::vector<std::string>{"Retrieved new template: Classic"});
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(server_->TakeRequests(),
              (std::vector<std::string>{
                  "/marlix/Templates/Classic/", "/marlix/Templates/Classic/index.html",
                  "/marlix/Templates/Classic/mxinfo.dat", "/marlix/Templates/Classic/notes.txt"}));
    // Per file: shown at 0, rising to 100, hidden.
    std::vector<std::vector<int>> files(1);
    for (int p : host.progress) {
        if (p < 0)
            files.emplace_back();
        else
            files.back().push_back(p);
    }
    files.pop_back();
    ASSERT_EQ(files.size(), 3u);
    for (const auto& file : files) {
        EXPECT_EQ(file.front(), 0);
        EXPECT_EQ(file.back(), 100);
        EXPECT_TRUE(std::is_sorted(file.begin(), file.end()));
    }
}

TEST_F(TemplateDownloadTest, ABlankIsWrittenAsPercent20OnTheServerOnly) {
    EXPECT_EQ(Download("Blue Sky"), DownloadOutcome::Retrieved);
    EXPECT_EQ(Listing(Package("Blue Sky")), (std::vector<std::string>{"index.html", "mxinfo.dat"}));
    EXPECT_EQ(server_->TakeRequests(),
              (std::vector<std::string>{"/marlix/Templates/Blue%20Sky/",
                                        "/marlix/Templates/Blue%20Sky/index.html",
                                        "/marlix/Templates/Blue%20Sky/mxinfo.dat"}));
    EXPECT_EQ(host.statuses, std::vector<std::string>{"Retrieved new template: Blue Sky"});
}

TEST_F(TemplateDownloadTest, AnExistingPackageIsReplacedOnlyAfterOK) {
    WriteFileBytes(Package("Classic") + "/old.html", "old");
    WriteFileBytes(Package("Classic") + "/mine/keep.txt", "mine");

    host.answer = false;
    EXPECT_EQ(Download("Classic"), DownloadOutcome::Declined);
    EXPECT_EQ(host.questions,
              std::vector<std::string>{"Template Exists|Classic\nYou already have a version of "
                                       "this template.\nDo you want to PERMANANTLY overwrite "
                                       "it?\n(This operation is irreversible)"});
    EXPECT_EQ(Listing(Package("Classic")), (std::vector<std::string>{"mine/", "old.html"}));
    EXPECT_TRUE(host.statuses.empty());
    EXPECT_TRUE(server_->TakeRequests().empty());

    host.answer = true;
    EXPECT_EQ(Download("Classic"), DownloadOutcome::Retrieved);
    EXPECT_EQ(host.questions.size(), 2u);
    // The old files go, sub-folders stay.
    EXPECT_EQ(Listing(Package("Classic")),
              (std::vector<std::string>{"index.html", "mine/", "mxinfo.dat", "notes.txt"}));
    EXPECT_EQ(ReadFileBytes(Package("Classic") + "/mine/keep.txt"), "mine");
}

TEST_F(TemplateDownloadTest, AnIndexPageWithoutSeparatorOrAnAbsentTemplateFails) {
    for (const char* name : {"NoSeparator", "Absent"}) {
        host.statuses.clear();
        EXPECT_EQ(Download(name), DownloadOutcome::Failed) << name;
        EXPECT_EQ(host.statuses,
                  std::vector<std::string>{std::string("Template Download Failed: ") + name});
        EXPECT_EQ(server_->TakeRequests().size(), 1u) << "only the index page is requested";
        EXPECT_TRUE(Listing(Package(name)).empty());
    }
}

TEST_F(TemplateDownloadTest, ALinkWithoutClosingQuoteEndsTheFileList) {
    EXPECT_EQ(Download("OpenQuote"), DownloadOutcome::Retrieved);
    EXPECT_EQ(Listing(Package("OpenQuote")), std::vector<std::string>{"first.txt"});
    EXPECT_EQ(host.statuses,
              (std::vector<std::string>{
                  "Skipped unsafe file name in OpenQuote: second.txt>second.txt</A><BR>?<A HREF=",
                  "Retrieved new template: OpenQuote"}));
}

TEST_F(TemplateDownloadTest, HostileLinksAreSkipped) {
    EXPECT_EQ(Download("Hostile"), DownloadOutcome::Retrieved);
    EXPECT_EQ(Listing(Package("Hostile")), std::vector<std::string>{"good.txt"});
    EXPECT_EQ(Listing(TemplateLibraryPath(home.path())), std::vector<std::string>{"Hostile/"});
    EXPECT_EQ(Listing(home.path()), std::vector<std::string>{"Templates/"});
    EXPECT_EQ(host.statuses,
              (std::vector<std::string>{
                  "Skipped unsafe file name in Hostile: ../evil.txt",
                  "Skipped unsafe file name in Hostile: ..\\evil.txt",
                  "Skipped unsafe file name in Hostile: /marlix/Templates/evil.txt",
                  "Skipped unsafe file name in Hostile: ..",
                  "Skipped unsafe file name in Hostile: bad?name.txt",
                  "Skipped unsafe file name in Hostile: ", "Retrieved new template: Hostile"}));
    EXPECT_EQ(server_->TakeRequests(),
              (std::vector<std::string>{"/marlix/Templates/Hostile/",
                                        "/marlix/Templates/Hostile/good.txt"}));
}

TEST_F(TemplateDownloadTest, ATemplateNameLeadingOutOfTheLibraryIsRefused) {
    WriteFileBytes(home / "keep.txt", "keep");
    WriteFileBytes(TemplateLibraryPath(home.path()) + "/readme.txt", "keep");
    for (const char* name : {"..", ".", "", "../Templates", "a/b"}) {
        host.statuses.clear();
        EXPECT_EQ(Download(name), DownloadOutcome::Failed) << name;
        EXPECT_EQ(host.statuses,
                  std::vector<std::string>{std::string("Template Download Failed: ") + name});
    }
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(server_->TakeRequests().empty());
    EXPECT_EQ(ReadFileBytes(home / "keep.txt"), "keep");
    EXPECT_EQ(ReadFileBytes(TemplateLibraryPath(home.path()) + "/readme.txt"), "keep");
}

// Waits out the 5 s time-out once.
TEST_F(TemplateDownloadTest, AServerThatDoesNotAnswerFailsTheDownload) {
    SilentServer silent;
    EXPECT_EQ(Download("Classic", silent.url()), DownloadOutcome::Failed);
    EXPECT_EQ(host.statuses, std::vector<std::string>{"Template Download Failed: Classic"});
}

}  // namespace

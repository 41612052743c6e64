// Uploads against a real FTP server on 127.0.0.1 that the suite starts once.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "FtpServer.h"
#include "TempFolder.h"
#include "catalog/MXCatalog.h"
#include "publish/FtpUpload.h"
#include "publish/UploadHost.h"

namespace fs = std::filesystem;

namespace {

const char* kConnecting = "Upload: Connecting...";
const char* kSucceeded = "FTP Upload Succeeded.";

// Records what the upload reports; `onProgress` may act during a transfer.
struct RecordingHost : UploadHost {
    std::vector<std::string> lines;
    std::vector<std::pair<std::string, int>> progress;  // (file being sent, percent)
    std::vector<bool> progressShown;
    std::function<void(const std::string& file, int percent)> onProgress;

    void ShowStatus(const std::string& text) override { lines.push_back(text); }
    void ShowProgress(bool visible) override { progressShown.push_back(visible); }
    void SetProgress(int percent) override {
        progress.emplace_back(CurrentFile(), percent);
        if (onProgress) onProgress(CurrentFile(), percent);
    }
    std::string CurrentFile() const {
        const std::string prefix = "Upload: sending ";
        return lines.empty() || lines.back().rfind(prefix, 0) ? ""
                                                              : lines.back().substr(prefix.size());
    }
    int FinalProgress(const std::string& file) const {
        int last = -1;
        for (const auto& [name, percent] : progress)
            if (name == file) last = percent;
        return last;
    }
};

// Compares file contents without printing megabytes when they differ.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return ::testing::AssertionFailure() << actual.size() << " bytes instead of " << expected.size()
                                         << ", first difference at byte " << at;
}

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    return bytes;
}

// The names of a folder in the order the system lists them, which is the order of sending.
std::vector<std::string> ListingOrder(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

std::vector<std::string> SendingLines(const std::vector<std::string>& names) {
    std::vector<std::string> lines;
    for (const std::string& name : names) lines.push_back("Upload: sending " + name);
    return lines;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class FtpUpload : public FtpServerSuite {
protected:
    void SetUp() override {
        FtpServerSuite::SetUp();
        if (HasFatalFailure()) return;
        catalog_.CatalogFolder = local_.path();
        fs::create_directories(Output());
        catalog_.FTPHost = server_->Host();
        catalog_.FTPUsername = "shop";
        catalog_.FTPPassword = "secret";
        // Each test has its own remote folder.
        catalog_.FTPDirectory = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        options_.probe = [] { return std::string("192.0.2.7"); };
        options_.limits = {10, 10};  // generous for 127.0.0.1, short enough never to hang a run
    }

    std::string Output() const { return local_ / "output"; }
    std::string Remote(const std::string& name = "") const {
        return server_->Root() + "/" + catalog_.FTPDirectory + (name.empty() ? "" : "/" + name);
    }
    UploadOutcome Upload() {
        UploadOutcome outcome = UploadCatalog(catalog_, flags_, host_, options_);
        EXPECT_FALSE(flags_.Uploading) << "the upload flag outlives the upload";
        return outcome;
    }
    long CountCommand(const std::string& line) const {
        auto commands = server_->Commands();
        return std::count(commands.begin(), commands.end(), line);
    }

    TempFolder local_;
    MXCatalog catalog_;
    ActivityFlags flags_;
    RecordingHost host_;
    UploadOptions options_;
};

TEST_F(FtpUpload, StoreArrivesByteForByteInAMissingDirectoryMadeOnce) {
    const std::map<std::string, std::string> store = {
        {"index.html", "<html>\r\n<body>Hello\nworld\r\n</body></html>\r\n"},
        {"i1000000000.jpg", RandomBytes(300000, 1)},
        {"logo 100%.gif", std::string("GIF89a\0\r\n\x1a\xff", 11)},
        {"empty.txt", ""},
    };
    for (const auto& [name, bytes] : store) WriteFileBytes(Output() + "/" + name, bytes);
    const std::vector<std::string> order = ListingOrder(Output());

    EXPECT_EQ(Upload(), UploadOutcome::Succeeded);

    EXPECT_EQ(host_.lines, Concat(Concat({kConnecting}, SendingLines(order)), {kSucceeded}));
    for (const auto& [name, bytes] : store) {
        EXPECT_TRUE(SameBytes(ReadFileBytes(Remote(name)), bytes)) << name;
        EXPECT_EQ(host_.FinalProgress(name), 100) << name;
    }
    EXPECT_EQ(host_.progress.front(), std::make_pair(order.front(), 0));
    EXPECT_EQ(host_.progressShown, (std::vector<bool>{true, false}));
    // Entered, found missing, made once, entered; every file sent in binary mode.
    const std::string dir = catalog_.FTPDirectory;
    EXPECT_EQ(CountCommand("CWD " + dir), 2);
    EXPECT_EQ(CountCommand("MKD " + dir), 1);
    EXPECT_GE(CountCommand("TYPE I"), 1);
    EXPECT_EQ(CountCommand("TYPE A"), 0);
    EXPECT_EQ(CountCommand("EPSV") + CountCommand("PASV"), static_cast<long>(store.size()));
}

TEST_F(FtpUpload, ExistingDirectoryIsEnteredAndItsFilesReplaced) {
    fs::create_directories(Remote());
    WriteFileBytes(Remote("index.html"), "old store, longer than the new one");
    WriteFileBytes(Remote("keep.html"), "not in the output folder");
    WriteFileBytes(Output() + "/index.html", "new");

    EXPECT_EQ(Upload(), UploadOutcome::Succeeded);

    EXPECT_EQ(ReadFileBytes(Remote("index.html")), "new");
    EXPECT_EQ(ReadFileBytes(Remote("keep.html")), "not in the output folder");
    EXPECT_EQ(CountCommand("CWD " + catalog_.FTPDirectory), 1);
    EXPECT_EQ(CountCommand("MKD " + catalog_.FTPDirectory), 0);
}

TEST_F(FtpUpload, EmptyOutputFolderWithEmptyDirectorySucceeds) {
    catalog_.FTPDirectory = "";
    EXPECT_EQ(Upload(), UploadOutcome::Succeeded);
    EXPECT_EQ(host_.lines, (std::vector<std::string>{kConnecting, kSucceeded}));
    EXPECT_EQ(host_.progressShown, (std::vector<bool>{true, false}));
    // An empty directory still goes through the directory step.
    EXPECT_EQ(CountCommand("CWD "), 1);
}

// A listener that accepts connections but never says a word.
struct SilentPeer {
    int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int port = 0;
    SilentPeer() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(socket, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            listen(socket, 4) == 0 &&
            getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port = ntohs(address.sin_port);
    }
    ~SilentPeer() { close(socket); }
};

TEST_F(FtpUpload, FailedConnectionsCarryTheirReason) {
    SilentPeer silent;
    ASSERT_GT(silent.port, 0);
    const std::string prefix = "FTP ERROR: Upload Failed- ";
    struct Case {
        std::string host, password, status;  // a status ending in "- " is a prefix
        long stallSeconds;
    } cases[] = {
        {server_->Host(), "wrong", prefix + "530 Authentication failed.", 10},
        {"127.0.0.1:" + std::to_string(UnusedPort()), "secret", prefix, 10},
        {"127.0.0.1:" + std::to_string(silent.port), "secret", prefix, 1},
        {"127.0.0.1:99999", "secret", prefix, 10},
        {"127.0.0.1/evil", "secret", prefix, 10},
    };
    WriteFileBytes(Output() + "/index.html", "never sent");
    for (const Case& c : cases) {
        host_.lines.clear();
        catalog_.FTPHost = c.host;
        catalog_.FTPPassword = c.password;
        options_.limits.stallSeconds = c.stallSeconds;
        EXPECT_EQ(Upload(), UploadOutcome::Failed) << c.host;
        ASSERT_EQ(host_.lines.size(), 2u) << c.host;
        EXPECT_EQ(host_.lines[0], kConnecting);
        if (c.status == prefix) {
            EXPECT_EQ(host_.lines[1].rfind(prefix, 0), 0u) << host_.lines[1];
            EXPECT_GT(host_.lines[1].size(), prefix.size()) << c.host;
        } else {
            EXPECT_EQ(host_.lines[1], c.status);
        }
    }
    EXPECT_TRUE(host_.progressShown.empty());
    EXPECT_FALSE(fs::exists(Remote()));
}

TEST_F(FtpUpload, FailuresAfterConnectingSendNothing) {
    struct Case {
        std::string directory;
        bool hasOutput;
        std::string status;
    } cases[] = {
        // Nested folders are asked for in one request, never level by level.
        {"shop/www/catalog", true, "FTP ERROR: Upload Failed"},
        {"line\r\nDELE index.html", true, "FTP ERROR: Upload Failed"},
        {"fine", false, "FTP ERROR: Upload Failed."},
    };
    for (const Case& c : cases) {
        host_.lines.clear();
        server_->ForgetCommands();
        catalog_.FTPDirectory = c.directory;
        if (!c.hasOutput) fs::remove_all(Output());
        EXPECT_EQ(Upload(), UploadOutcome::Failed) << c.directory;
        EXPECT_EQ(host_.lines, (std::vector<std::string>{kConnecting, c.status}));
        EXPECT_EQ(CountCommand("QUIT"), 1) << "the connection is closed";
        for (const std::string& command : server_->Commands()) {
            EXPECT_NE(command.rfind("STOR", 0), 0u) << command;
            EXPECT_NE(command.rfind("DELE", 0), 0u) << command;
        }
    }
    EXPECT_FALSE(fs::exists(server_->Root() + "/shop"));
}

TEST_F(FtpUpload, AFileThatCannotBeStoredEndsTheUpload) {
    for (const char* name : {"a.html", "b.html", "c.html"})
        WriteFileBytes(Output() + "/" + name, name);
    const std::vector<std::string> order = ListingOrder(Output());
    struct Case {
        const char* why;
        std::function<void(const std::string& second)> arrange;
    } cases[] = {
        {"the server refuses it",
         [&](const std::string& second) { fs::create_directories(Remote(second)); }},
        {"it is a folder",
         [&](const std::string& second) {
             fs::remove(Output() + "/" + second);
             fs::create_directories(Output() + "/" + second);
         }},
    };
    for (const Case& c : cases) {
        fs::remove_all(Remote());
        host_ = RecordingHost();
        c.arrange(order[1]);
        EXPECT_EQ(Upload(), UploadOutcome::Failed) << c.why;
        EXPECT_EQ(host_.lines, Concat(Concat({kConnecting}, SendingLines({order[0], order[1]})),
                                      {"FTP ERROR: File Upload Failed."}));
        EXPECT_EQ(host_.progressShown, (std::vector<bool>{true, false}));
        EXPECT_EQ(ReadFileBytes(Remote(order[0])), order[0]) << "sent before it, so it stays";
        EXPECT_FALSE(fs::exists(Remote(order[2]))) << c.why;
    }
}

TEST_F(FtpUpload, CancelDuringTheSecondFileCompletesItAndSendsNoMore) {
    for (const char* name : {"a.html", "b.jpg", "c.html"})
        WriteFileBytes(Output() + "/" + name, RandomBytes(1 << 20, name[0]));
    const std::vector<std::string> order = ListingOrder(Output());
    host_.onProgress = [&](const std::string& file, int percent) {
        if (file == order[1] && percent > 0) flags_.Uploading = false;  // Cancel Upload
    };

    EXPECT_EQ(Upload(), UploadOutcome::Cancelled);

    EXPECT_EQ(host_.lines, Concat(Concat({kConnecting}, SendingLines({order[0], order[1]})),
                                  {"FTP Upload Cancelled."}));
    EXPECT_TRUE(
        SameBytes(ReadFileBytes(Remote(order[1])), ReadFileBytes(Output() + "/" + order[1])));
    EXPECT_EQ(host_.FinalProgress(order[1]), 100);
    EXPECT_FALSE(fs::exists(Remote(order[2])));
    EXPECT_EQ(host_.progressShown, (std::vector<bool>{true, false}));
}

}  // namespace

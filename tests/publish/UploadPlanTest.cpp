#include <gtest/gtest.h>

#include "catalog/MXCatalog.h"
#include "publish/FtpUpload.h"
#include "publish/UploadHost.h"
#include "publish/UploadPlan.h"

namespace {

const char* kNoNetwork = "Upload Failed: You must be connected to the Internet.";
const char* kNoHostInfo =
    "Upload Failed: You must enter all FTP host information to upload your catalog.";

MXCatalog Settings(const std::string& host, const std::string& user, const std::string& password,
                   const std::string& directory = "") {
    MXCatalog catalog;
    catalog.FTPHost = host;
    catalog.FTPUsername = user;
    catalog.FTPPassword = password;
    catalog.FTPDirectory = directory;
    catalog.CatalogFolder = "/shops/mine";
    return catalog;
}

struct StatusLines : UploadHost {
    std::vector<std::string> lines;
    void ShowStatus(const std::string& text) override { lines.push_back(text); }
};

}  // namespace

TEST(UploadPlan, FtpHostTakesAnOptionalPort) {
    struct Case {
        std::string text, host;
        long port;
        bool ok;
    } cases[] = {
        {"ftp.example.com", "ftp.example.com", 21, true},
        {"127.0.0.1:2121", "127.0.0.1", 2121, true},
        {"[::1]", "[::1]", 21, true},
        {"[::1]:990", "[::1]", 990, true},
        {"::1", "::1", 21, true},  // a bare IPv6 address has no port
        {"host:65535", "host", 65535, true},
        {"host:0", "host", 0, false},
        {"host:65536", "host", 65536, false},
        {"host:", "host", 21, false},
        {"host:21a", "host", 21, false},
        {"host:-1", "host", 21, false},
    };
    for (const Case& c : cases) {
        FtpEndpoint endpoint;
        EXPECT_EQ(ParseFtpHost(c.text, endpoint), c.ok) << c.text;
        EXPECT_EQ(endpoint.host, c.host) << c.text;
        if (c.ok) {
            EXPECT_EQ(endpoint.port, c.port) << c.text;
        }
    }
}

TEST(UploadPlan, ChecksNetworkThenHostInformation) {
    struct Case {
        std::string address;
        MXCatalog catalog;
        std::string failure;
    } cases[] = {
        {"192.0.2.7", Settings("h", "u", "p", "www"), ""},
        {"192.0.2.7", Settings("h", "u", "p"), ""},  // the directory may be empty
        {"0.0.0.0", Settings("h", "u", "p"), kNoNetwork},
        {"0.0.0.0", Settings("", "", ""), kNoNetwork},  // the network is tested first
        {"192.0.2.7", Settings("", "u", "p"), kNoHostInfo},
        {"192.0.2.7", Settings("h", "", "p"), kNoHostInfo},
        {"192.0.2.7", Settings("h", "u", ""), kNoHostInfo},
    };
    for (const Case& c : cases) {
        UploadPlan plan = PlanUpload(c.catalog, c.address);
        EXPECT_EQ(plan.failure, c.failure) << c.catalog.FTPHost << c.address;
        EXPECT_EQ(plan.directory, c.catalog.FTPDirectory);
        EXPECT_EQ(plan.outputFolder, "/shops/mine/output");
    }
}

TEST(UploadPlan, FilesFollowTheListingWithoutDotEntries) {
    std::vector<UploadFile> files = PlanFiles("out", {"b.html", ".", "a b.jpg", "..", ".htaccess"});
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].localPath, "out/b.html");
    EXPECT_EQ(files[0].remoteName, "b.html");
    EXPECT_EQ(files[1].remoteName, "a b.jpg");
    EXPECT_EQ(files[2].localPath, "out/.htaccess");
}

// These uploads end before any connection, so they need no server.
TEST(UploadRefusal, BusyOrIncompleteUploadsNeverConnect) {
    struct Case {
        bool running, uploading;
        std::string address;
        MXCatalog catalog;
        UploadOutcome outcome;
        std::vector<std::string> lines;
    } cases[] = {
        {true, false, "192.0.2.7", Settings("h", "u", "p"), UploadOutcome::Ignored, {}},
        {false, true, "192.0.2.7", Settings("h", "u", "p"), UploadOutcome::Ignored, {}},
        {false, false, "0.0.0.0", Settings("h", "u", "p"), UploadOutcome::Failed, {kNoNetwork}},
        {false, false, "192.0.2.7", Settings("", "u", "p"), UploadOutcome::Failed, {kNoHostInfo}},
        {false, false, "192.0.2.7", Settings("h", "", "p"), UploadOutcome::Failed, {kNoHostInfo}},
        {false, false, "192.0.2.7", Settings("h", "u", ""), UploadOutcome::Failed, {kNoHostInfo}},
    };
    for (const Case& c : cases) {
        ActivityFlags flags;
        flags.Running = c.running;
        flags.Uploading = c.uploading;
        StatusLines host;
        UploadOptions options;
        options.probe = [&] { return c.address; };
        EXPECT_EQ(UploadCatalog(c.catalog, flags, host, options), c.outcome);
        EXPECT_EQ(host.lines, c.lines);
        // A refused upload leaves the flags as they were, a failed one clears its own.
        EXPECT_EQ(flags.Running.load(), c.running);
        EXPECT_EQ(flags.Uploading.load(), c.uploading);
    }
}

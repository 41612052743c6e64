// `marlix upload CATALOG`, run as a program against the local FTP server.

#include <gtest/gtest.h>

#include <filesystem>

#include "FtpServer.h"
#include "RunProgram.h"
#include "TempFolder.h"
#include "catalog/MXCatalog.h"
#include "publish/NetworkProbe.h"

namespace {

class UploadCommand : public FtpServerSuite {
protected:
    void SetUp() override {
        FtpServerSuite::SetUp();
        if (HasFatalFailure()) return;
        if (LocalIpAddress() == "0.0.0.0") GTEST_SKIP() << "the machine has no network address";
        catalog_.CatalogFolder = shop_.path();
        catalog_.FTPHost = server_->Host();
        catalog_.FTPUsername = "shop";
        catalog_.FTPPassword = "secret";
        catalog_.FTPDirectory = "www";
    }
    ProgramResult Upload() {
        EXPECT_TRUE(catalog_.Save());
        return RunProgram({MARLIX_BIN, "upload", shop_.path()});
    }

    TempFolder shop_;
    MXCatalog catalog_;
};

TEST_F(UploadCommand, PrintsTheStatusLinesAndExitsZeroOnSuccess) {
    ASSERT_TRUE(catalog_.Save());
    WriteFileBytes(shop_ / "output/index.html", "<html></html>\r\n");
    ProgramResult r = Upload();
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // Not a terminal: status lines only, no progress.
    EXPECT_EQ(r.out, "Upload: Connecting...\nUpload: sending index.html\nFTP Upload Succeeded.\n");
    EXPECT_EQ(ReadFileBytes(server_->Root() + "/www/index.html"), "<html></html>\r\n");
}

TEST_F(UploadCommand, ExitsOneWhenTheUploadFails) {
    catalog_.FTPPassword = "wrong";
    ProgramResult r = Upload();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out,
              "Upload: Connecting...\nFTP ERROR: Upload Failed- 530 Authentication failed.\n");
}

TEST(UploadCommandLine, ExitsTwoWhenTheCatalogCannotBeLoaded) {
    TempFolder empty;
    ProgramResult r = RunProgram({MARLIX_BIN, "upload", empty.path()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Catalog Load Failed.\n");
    EXPECT_EQ(RunProgram({MARLIX_BIN, "upload"}).exitCode, 64);
}

}  // namespace

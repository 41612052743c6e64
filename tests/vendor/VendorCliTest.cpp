#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "RunProgram.h"
#include "TempFolder.h"
#include "VendorTestServer.h"

namespace {

class VendorCliTest : public testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new VendorTestServer; }
    static void TearDownTestSuite() { delete server_; }
    void SetUp() override {
        ASSERT_TRUE(server_->running());
        setenv("MARLIX_VENDOR_URL", (server_->url() + "/").c_str(), 1);
    }

    ProgramResult Marlix(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), {MARLIX_BIN, "--home", home.path()});
        return RunProgram(args, input);
    }

    static VendorTestServer* server_;
    TempFolder home;
};
VendorTestServer* VendorCliTest::server_ = nullptr;

TEST_F(VendorCliTest, NotesPrintsTheWindowsTextAndTheTemplates) {
    WriteFileBytes(server_->root() + "/marlix/info.txt",
                   "BEGINNOTE\r\nSpring sale!\r\nENDNOTE\r\nBEGINVERSION\r\n1.01\r\nENDVERSION\r\n"
                   "BEGINTEMPLATES\r\nZeta\r\nAlpha\r\nENDTEMPLATES\r\n");
    ProgramResult r = Marlix({"notes"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Spring sale!\n\nYour copy of Zelmo Marlix is out of date. To get version 1.01, "
              "please visit our website.\nAvailable Templates:\nAlpha\nZeta\n");

    WriteFileBytes(server_->root() + "/marlix/info.txt", "nothing for you\n");
    EXPECT_EQ(Marlix({"notes"}).out,
              "Thank you for using Zelmo Marlix from Zelmo Krant. For the latest information on "
              "our products and services, please visit us online at " +
                  server_->url() + "/\nAvailable Templates:\n");

    setenv("MARLIX_VENDOR_URL", ("http://127.0.0.1:" + std::to_string(ClosedPort())).c_str(), 1);
    ProgramResult failed = Marlix({"notes"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err.find("marlix: cannot fetch the notes: "), std::string::npos);
}

TEST_F(VendorCliTest, GetTemplateAsksBeforeReplacingUnlessTold) {
    ProgramResult first = Marlix({"get-template", "Blue Sky"});
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "Retrieved new template: Blue Sky\n");
    const std::string stale = home / "Templates/Blue Sky/stale.html";
    WriteFileBytes(stale, "stale");

    ProgramResult declined = Marlix({"get-template", "Blue Sky"}, "cancel\n");
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_EQ(declined.out,
              "Template Exists\nBlue Sky\nYou already have a version of this template.\n"
              "Do you want to PERMANANTLY overwrite it?\n(This operation is irreversible)\n"
              "OK or Cancel? [ok/cancel] \n");
    EXPECT_TRUE(std::filesystem::exists(stale));

    ProgramResult accepted = Marlix({"get-template", "Blue Sky"}, "ok\n");
    EXPECT_EQ(accepted.exitCode, 0);
    EXPECT_NE(accepted.out.find("[ok/cancel] \nRetrieved new template: Blue Sky\n"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(stale));

    ProgramResult told = Marlix({"get-template", "--yes", "Blue Sky"});
    EXPECT_EQ(told.exitCode, 0);
    EXPECT_EQ(told.out, "Retrieved new template: Blue Sky\n");
    EXPECT_TRUE(std::filesystem::exists(home / "Templates/Blue Sky/mxinfo.dat"));
}

TEST_F(VendorCliTest, GetTemplateFailuresAndUsage) {
    ProgramResult absent = Marlix({"get-template", "Absent"});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_EQ(absent.out, "Template Download Failed: Absent\n");

    for (std::vector<std::string> args :
         {std::vector<std::string>{"get-template"}, {"get-template", "A", "B"}, {"notes", "extra"}})
        EXPECT_EQ(Marlix(args).exitCode, 64) << args.size();
}

}  // namespace

#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "TempFolder.h"

// A real FTP server (ftp_server.py on Debian's pyftpdlib) on 127.0.0.1 and a free port, serving a
// fresh folder to the user "shop" with the password "secret". Stopped and removed with the object.
class FtpServer {
public:
    FtpServer();
    ~FtpServer();
    FtpServer(const FtpServer&) = delete;
    FtpServer& operator=(const FtpServer&) = delete;

    bool Running() const { return port_ > 0; }
    const std::string& StartFailure() const { return failure_; }
    // "127.0.0.1:PORT", as an `FTPHost` names it.
    std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }
    // The folder the user "shop" logs in to.
    std::string Root() const { return folder_ / "root"; }
    // Every command line received since the last ForgetCommands, in order.
    std::vector<std::string> Commands() const;
    void ForgetCommands();

private:
    TempFolder folder_;
    pid_t pid_ = -1;
    int stdin_ = -1;  // the server ends when this closes
    int port_ = 0;
    std::string failure_;
};

// A port on 127.0.0.1 that nothing listens on at the moment of the call.
int UnusedPort();

// Test suites derived from this share one server, started before their first test.
class FtpServerSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = new FtpServer(); }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(server_->Running()) << server_->StartFailure();
        server_->ForgetCommands();
    }

    static FtpServer* server_;
};

#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "TempFolder.h"

// The vendor_server.py beside this file, started on 127.0.0.1 at a free port and serving a
// fresh copy of the fixtures in www/. Ends with this object (and with the test process in any
// case, since the server stops when its standard input closes).
class VendorTestServer {
public:
    VendorTestServer();
    ~VendorTestServer();
    VendorTestServer(const VendorTestServer&) = delete;
    VendorTestServer& operator=(const VendorTestServer&) = delete;

    bool running() const { return port_ != 0; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
    // The served folder: url() + "/x" is root() + "/x".
    std::string root() const { return folder_ / "www"; }

    // The paths requested since the last call, as they arrived.
    std::vector<std::string> TakeRequests();

private:
    TempFolder folder_;
    pid_t pid_ = -1;
    int input_ = -1;  // the server's standard input; closing it ends the server
    int port_ = 0;
};

// A real listening socket on 127.0.0.1 that accepts connections but never answers, like a
// server that hangs.
class SilentServer {
public:
    SilentServer();
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }

private:
    int socket_ = -1;
    int port_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
int ClosedPort();

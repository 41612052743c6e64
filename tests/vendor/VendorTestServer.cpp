#include "VendorTestServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

namespace {

// A socket bound to 127.0.0.1 at a free port; -1 on failure.
int BindLoopback(int& port) {
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0) close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

VendorTestServer::VendorTestServer() {
    std::filesystem::copy(VENDOR_TEST_DIR "/www", root(), std::filesystem::copy_options::recursive);
    const std::string log = folder_ / "requests.log";
    WriteFileBytes(log, "");
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC)) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        const std::string script = VENDOR_TEST_DIR "/vendor_server.py", served = root();
        execl("/usr/bin/python3", "python3", script.c_str(), served.c_str(), log.c_str(), nullptr);
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    // The first line is the port; a server that does not start within 10 s fails the tests.
    std::string line;
    pollfd ready{out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && poll(&ready, 1, 10000) > 0) {
        char buf[64];
        ssize_t n = read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        line.append(buf, static_cast<size_t>(n));
    }
    close(out[0]);
    if (line.find('\n') != std::string::npos) port_ = std::stoi(line);
    if (!port_) ADD_FAILURE() << "the vendor test server did not start";
}

VendorTestServer::~VendorTestServer() {
    if (input_ >= 0) close(input_);
    if (pid_ <= 0) return;
    // It ends by itself once its input is closed; it is killed should it not within 5 s.
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

std::vector<std::string> VendorTestServer::TakeRequests() {
    const std::string log = folder_ / "requests.log";
    std::istringstream lines(ReadFileBytes(log));
    WriteFileBytes(log, "");
    std::vector<std::string> requests;
    for (std::string line; std::getline(lines, line);) requests.push_back(line);
    return requests;
}

SilentServer::SilentServer() {
    socket_ = BindLoopback(port_);
    if (socket_ < 0 || listen(socket_, 8) != 0) ADD_FAILURE() << "cannot listen on 127.0.0.1";
}

SilentServer::~SilentServer() {
    if (socket_ >= 0) close(socket_);
}

int ClosedPort() {
    int port = 0;
    int fd = BindLoopback(port);
    if (fd >= 0) close(fd);
    return port;
}

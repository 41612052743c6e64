#include "FtpServer.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {
constexpr int kStartMilliseconds = 20000;
}

FtpServer::FtpServer() {
    std::filesystem::create_directories(Root());
    const std::string transcript = folder_ / "commands.log";
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC)) {
        failure_ = "no pipes";
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        execl("/usr/bin/python3", "python3", FTP_SERVER_SCRIPT, Root().c_str(), transcript.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    stdin_ = in[1];
    // The server prints its port once it listens.
    std::string line;
    pollfd wait{out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && poll(&wait, 1, kStartMilliseconds) > 0) {
        char buffer[64];
        ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    port_ = line.find('\n') == std::string::npos ? 0 : std::atoi(line.c_str());
    if (port_ <= 0) failure_ = "the FTP server did not start (is python3-pyftpdlib installed?)";
}

FtpServer::~FtpServer() {
    if (stdin_ >= 0) close(stdin_);
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

std::vector<std::string> FtpServer::Commands() const {
    std::vector<std::string> lines;
    std::ifstream in(folder_ / "commands.log");
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void FtpServer::ForgetCommands() {
    std::ofstream(folder_ / "commands.log", std::ios::trunc);
}

FtpServer* FtpServerSuite::server_ = nullptr;

int UnusedPort() {
    int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    close(s);
    return port;
}

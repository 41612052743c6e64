#pragma once

#include <cstdint>
#include <functional>
#include <string>

// How long the client waits before it gives up: for the connection to be made, and for a reply
// or a transfer that makes no progress.
struct FtpLimits {
    long connectSeconds = 30;
    long stallSeconds = 60;
};

// Receives the bytes of the current file sent so far and the file's size.
using FtpProgress = std::function<void(uint64_t sent, uint64_t size)>;

// A small FTP client on libcurl that holds one control connection at a time: connect and log in,
// change into or make a remote directory, store files in it (binary, passive mode), disconnect.
// Every operation answers false on failure and leaves the reason in ErrorText(): the server's
// reply when the server refused, otherwise the library's description.
class FtpClient {
public:
    explicit FtpClient(FtpLimits limits = {});
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // `host` is "host" or "host:PORT" (port 21 when none is given).
    bool Connect(const std::string& host, const std::string& username, const std::string& password);
    // Each sends the directory text unchanged in one request.
    bool ChangeDirectory(const std::string& directory);
    bool MakeDirectory(const std::string& directory);
    // Sends a local regular file under `remoteName` into the current remote directory, replacing
    // a remote file of that name.
    bool Store(const std::string& localPath, const std::string& remoteName,
               const FtpProgress& progress);
    void Disconnect();

    const std::string& ErrorText() const { return error_; }

private:
    void Prepare(const std::string& path);
    // Runs the prepared request. With `onOpenConnection` it fails when the library had to open a
    // new connection (the old one was lost), which would not be in the remote directory entered
    // before.
    bool Perform(bool onOpenConnection);
    bool Command(const std::string& command);
    static size_t OnReply(char* data, size_t size, size_t count, void* self);

    FtpLimits limits_;
    void* curl_ = nullptr;   // the CURL handle of each request
    void* multi_ = nullptr;  // the CURLM handle; holds the connection between requests
    std::string url_;        // "ftp://host:port", without a path
    std::string username_, password_;
    std::string reply_;     // the last complete reply line of the server
    bool greeted_ = false;  // the server greeted: the request opened a new connection
    std::string error_;
    char errorBuffer_[256];  // CURL_ERROR_SIZE
};

#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Plain HTTP GET over libcurl, blocking. A request fails when the server cannot be reached, when
// it answers with an error status (400 and above), or when it stays silent for longer than the
// time-out: the time-out bounds every wait for the server (connecting, the answer, each further
// part of the body), not the length of the whole transfer.
class HttpClient {
public:
    // Bytes received so far and the body's announced size (0 when the server does not say).
    using Progress = std::function<void(std::int64_t received, std::int64_t total)>;

    explicit HttpClient(long timeoutMs);

    // The whole reply body in `body`. On failure `error` (when given) holds the reason.
    bool GetText(const std::string& url, std::string& body, std::string* error = nullptr) const;

    // Writes the reply body into the file `path`, replacing it; `progress` is called as data
    // arrives. A failed request leaves no file at `path`.
    bool GetFile(const std::string& url, const std::string& path, const Progress& progress,
                 std::string* error = nullptr) const;

private:
    long timeoutMs_;
};

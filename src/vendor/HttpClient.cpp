#include "HttpClient.h"

#include <curl/curl.h>

#include <cstdio>
#include <memory>
#include <mutex>

namespace {

struct EasyDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;

size_t AppendToString(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

size_t WriteToFile(char* data, size_t size, size_t count, void* target) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(target)) * size;
}

int ReportProgress(void* target, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t) {
    (*static_cast<const HttpClient::Progress*>(target))(received, total);
    return 0;
}

// A handle for one GET of `url` with the client's time-out. Only http and https are spoken, so a
// configured server address can never make the program read local files or other protocols.
Easy NewRequest(const std::string& url, long timeoutMs) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    Easy curl(curl_easy_init());
    if (!curl) return curl;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    // Less than one byte a second for the whole time-out counts as a silent server.
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, (timeoutMs + 999) / 1000);
    return curl;
}

bool Perform(CURL* curl, std::string* error) {
    CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK) return true;
    if (error) {
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        *error = code == CURLE_HTTP_RETURNED_ERROR ? "the server answered " + std::to_string(status)
                                                   : std::string(curl_easy_strerror(code));
    }
    return false;
}

}  // namespace

HttpClient::HttpClient(long timeoutMs) : timeoutMs_(timeoutMs) {}

bool HttpClient::GetText(const std::string& url, std::string& body, std::string* error) const {
    body.clear();
    Easy curl = NewRequest(url, timeoutMs_);
    if (!curl) {
        if (error) *error = "cannot start an HTTP request";
        return false;
    }
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &body);
    return Perform(curl.get(), error);
}

bool HttpClient::GetFile(const std::string& url, const std::string& path, const Progress& progress,
                         std::string* error) const {
    Easy curl = NewRequest(url, timeoutMs_);
    if (!curl) {
        if (error) *error = "cannot start an HTTP request";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        if (error) *error = "cannot write " + path;
        return false;
    }
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, WriteToFile);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, file);
    if (progress) {
        curl_easy_setopt(curl.get(), CURLOPT_XFERINFOFUNCTION, ReportProgress);
        curl_easy_setopt(curl.get(), CURLOPT_XFERINFODATA, &progress);
        curl_easy_setopt(curl.get(), CURLOPT_NOPROGRESS, 0L);
    }
    bool ok = Perform(curl.get(), error);
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        if (error) *error = "cannot write " + path;
    }
    // A cut-off body must not pass for a complete file.
    if (!ok) std::remove(path.c_str());
    return ok;
}

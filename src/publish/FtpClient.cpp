#include "FtpClient.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "UploadPlan.h"

namespace {

static_assert(CURL_ERROR_SIZE == 256, "FtpClient::errorBuffer_ must hold CURL_ERROR_SIZE bytes");

// A command text with CR, LF or NUL would end early and let the rest pass as another command.
bool HoldsLineBreak(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

int ReplyCode(const std::string& line) {
    if (line.size() < 3 || line.find_first_not_of("0123456789") < 3) return 0;
    return std::stoi(line.substr(0, 3));
}

struct Upload {
    int fd;
    uint64_t size;
    const FtpProgress* progress;
};

size_t ReadLocalFile(char* buffer, size_t size, size_t count, void* data) {
    auto* upload = static_cast<Upload*>(data);
    for (;;) {
        ssize_t n = ::read(upload->fd, buffer, size * count);
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) return CURL_READFUNC_ABORT;
    }
}

int ReportProgress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t sent) {
    auto* upload = static_cast<Upload*>(data);
    if (*upload->progress) (*upload->progress)(static_cast<uint64_t>(sent), upload->size);
    return 0;
}

// Runs one request on the multi handle, whose connection cache keeps the control connection from
// request to request. The waits are short because between a passive-mode reply and opening the
// data connection the library may have neither a socket nor a timer to wait for, and a plain
// curl_easy_perform then idles up to a second before each file.
CURLcode RunRequest(CURLM* multi, CURL* curl) {
    if (curl_multi_add_handle(multi, curl) != CURLM_OK) return CURLE_FAILED_INIT;
    int running = 1;
    CURLMcode state = CURLM_OK;
    while (running && state == CURLM_OK) {
        state = curl_multi_perform(multi, &running);
        if (running && state == CURLM_OK) state = curl_multi_poll(multi, nullptr, 0, 10, nullptr);
    }
    CURLcode result = state == CURLM_OK ? CURLE_OK : CURLE_RECV_ERROR;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left))
        if (message->msg == CURLMSG_DONE) result = message->data.result;
    curl_multi_remove_handle(multi, curl);
    return result;
}

}  // namespace

FtpClient::FtpClient(FtpLimits limits) : limits_(limits) {
    [[maybe_unused]] static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    errorBuffer_[0] = '\0';
}

FtpClient::~FtpClient() {
    Disconnect();
}

size_t FtpClient::OnReply(char* data, size_t size, size_t count, void* self) {
    std::string line(data, size * count);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    // Only the last line of a reply ("NNN text") ends it; "NNN-" lines continue it.
    auto* client = static_cast<FtpClient*>(self);
    if (ReplyCode(line) && (line.size() == 3 || line[3] == ' ')) client->reply_ = line;
    if (ReplyCode(line) == 220) client->greeted_ = true;  // the greeting of a new connection
    return size * count;
}

void FtpClient::Prepare(const std::string& path) {
    CURL* curl = curl_;
    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, (url_ + path).c_str());
    curl_easy_setopt(curl, CURLOPT_USERNAME, username_.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password_.c_str());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits_.connectSeconds);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, limits_.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits_.stallSeconds);
    // Passive mode and binary transfers are the library's defaults (no CURLOPT_FTPPORT, no
    // CURLOPT_TRANSFERTEXT). Paths are names in the current remote directory, never walked.
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &FtpClient::OnReply);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
}

bool FtpClient::Perform(bool onOpenConnection) {
    reply_.clear();
    greeted_ = false;
    error_.clear();
    errorBuffer_[0] = '\0';
    CURLcode result = RunRequest(multi_, curl_);
    if (result != CURLE_OK) {
        if (ReplyCode(reply_) >= 400)
            error_ = reply_;
        else
            error_ = errorBuffer_[0] ? errorBuffer_ : curl_easy_strerror(result);
        return false;
    }
    if (onOpenConnection && greeted_) {
        error_ = "The connection to the server was lost.";
        return false;
    }
    return true;
}

bool FtpClient::Connect(const std::string& host, const std::string& username,
                        const std::string& password) {
    Disconnect();
    if (HoldsLineBreak(username) || HoldsLineBreak(password)) {
        error_ = "The user name or password holds a line break.";
        return false;
    }
    FtpEndpoint endpoint;
    if (!ParseFtpHost(host, endpoint)) {
        error_ = "Bad port number in the FTP host.";
        return false;
    }
    CURLU* url = curl_url();
    char* text = nullptr;
    CURLUcode parsed = curl_url_set(url, CURLUPART_SCHEME, "ftp", 0);
    if (!parsed) parsed = curl_url_set(url, CURLUPART_HOST, endpoint.host.c_str(), 0);
    if (!parsed)
        parsed = curl_url_set(url, CURLUPART_PORT, std::to_string(endpoint.port).c_str(), 0);
    if (!parsed) parsed = curl_url_get(url, CURLUPART_URL, &text, 0);
    if (parsed) {
        error_ = curl_url_strerror(parsed);
    } else {
        url_ = text;
        if (!url_.empty() && url_.back() == '/') url_.pop_back();
    }
    curl_free(text);
    curl_url_cleanup(url);
    if (parsed) return false;

    curl_ = curl_easy_init();
    multi_ = curl_multi_init();
    if (!curl_ || !multi_) {
        Disconnect();
        error_ = "The FTP client could not start.";
        return false;
    }
    username_ = username;
    password_ = password;
    Prepare("/");
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    if (Perform(false)) return true;
    Disconnect();
    return false;
}

bool FtpClient::Command(const std::string& command) {
    if (!curl_) {
        error_ = "Not connected.";
        return false;
    }
    if (HoldsLineBreak(command)) {
        error_ = "The directory name holds a line break.";
        return false;
    }
    // "*" lets the request end normally when the server refuses the command, so that the
    // connection and its remote directory stay; the reply then tells the outcome.
    curl_slist* quote = curl_slist_append(nullptr, ("*" + command).c_str());
    Prepare("/");
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl_, CURLOPT_QUOTE, quote);
    bool ok = Perform(true);
    curl_slist_free_all(quote);
    if (ok && ReplyCode(reply_) >= 400) {
        error_ = reply_;
        ok = false;
    }
    return ok;
}

bool FtpClient::ChangeDirectory(const std::string& directory) {
    return Command("CWD " + directory);
}

bool FtpClient::MakeDirectory(const std::string& directory) {
    return Command("MKD " + directory);
}

bool FtpClient::Store(const std::string& localPath, const std::string& remoteName,
                      const FtpProgress& progress) {
    if (!curl_) {
        error_ = "Not connected.";
        return false;
    }
    // Non-blocking, so that a named pipe in the folder cannot stall the upload.
    int fd = ::open(localPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error_ = "Not a file that can be sent: " + localPath;
        if (fd >= 0) ::close(fd);
        return false;
    }
    Upload upload{fd, static_cast<uint64_t>(info.st_size), &progress};
    char* name = curl_easy_escape(curl_, remoteName.data(), static_cast<int>(remoteName.size()));
    Prepare(std::string("/") + (name ? name : ""));
    curl_free(name);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl_, CURLOPT_READFUNCTION, &ReadLocalFile);
    curl_easy_setopt(curl_, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(info.st_size));
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &ReportProgress);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &upload);
    bool ok = Perform(true);
    ::close(fd);
    return ok;
}

void FtpClient::Disconnect() {
    if (curl_) curl_easy_cleanup(curl_);
    if (multi_) curl_multi_cleanup(multi_);  // says QUIT on a connection that is still open
    curl_ = nullptr;
    multi_ = nullptr;
}

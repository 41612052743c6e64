#pragma once

#include <string>
#include <vector>

class MXCatalog;

// The server to connect to: `FTPHost` is "host", "host:PORT", "[v6]" or "[v6]:PORT".
struct FtpEndpoint {
    std::string host;
    long port = 21;
};

// Splits `FTPHost` into host and port; false when the port is not a number from 1 to 65535.
bool ParseFtpHost(const std::string& text, FtpEndpoint& endpoint);

// What an upload will do, decided from the catalog and the network state before any connection.
struct UploadPlan {
    // When not empty: the status line that ends the upload before it connects.
    std::string failure;
    std::string host;  // `FTPHost` as entered
    std::string username, password;
    std::string directory;     // entered, or made and then entered, as one unchanged text
    std::string outputFolder;  // the local source
};

// "0.0.0.0" as the local address means that there is no network connection.
UploadPlan PlanUpload(const MXCatalog& catalog, const std::string& localAddress);

// One file to send: the local path and the name it takes in the remote directory.
struct UploadFile {
    std::string localPath, remoteName;
};

// The files to send, in the order of the output folder's listing, without "." and "..".
std::vector<UploadFile> PlanFiles(const std::string& outputFolder,
                                  const std::vector<std::string>& listing);

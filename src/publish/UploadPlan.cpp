#include "UploadPlan.h"

#include "catalog/MXCatalog.h"

bool ParseFtpHost(const std::string& text, FtpEndpoint& endpoint) {
    // A colon names a port only after a bracketed address or in a host without other colons,
    // so that a bare IPv6 address stays whole.
    size_t colon = text.rfind(':');
    bool hasPort = colon != std::string::npos &&
                   (text[0] == '[' ? colon > 0 && text[colon - 1] == ']' : text.find(':') == colon);
    endpoint.host = hasPort ? text.substr(0, colon) : text;
    endpoint.port = 21;
    if (!hasPort) return true;
    const std::string digits = text.substr(colon + 1);
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    endpoint.port = std::stol(digits);
    return endpoint.port >= 1 && endpoint.port <= 65535;
}

UploadPlan PlanUpload(const MXCatalog& catalog, const std::string& localAddress) {
    UploadPlan plan;
    if (localAddress == "0.0.0.0") {
        plan.failure = "Upload Failed: You must be connected to the Internet.";
    } else if (catalog.FTPHost.empty() || catalog.FTPUsername.empty() ||
               catalog.FTPPassword.empty()) {
        plan.failure =
            "Upload Failed: You must enter all FTP host information to upload your catalog.";
    }
    plan.host = catalog.FTPHost;
    plan.username = catalog.FTPUsername;
    plan.password = catalog.FTPPassword;
    plan.directory = catalog.FTPDirectory;
    plan.outputFolder = catalog.CatalogFolder + "/output";
    return plan;
}

std::vector<UploadFile> PlanFiles(const std::string& outputFolder,
                                  const std::vector<std::string>& listing) {
    std::vector<UploadFile> files;
    for (const std::string& name : listing) {
        if (name == "." || name == "..") continue;
        files.push_back({outputFolder + "/" + name, name});
    }
    return files;
}

#pragma once

#include "FtpClient.h"
#include "NetworkProbe.h"
#include "catalog/FileCommands.h"

class MXCatalog;
class UploadHost;

enum class UploadOutcome {
    Ignored,    // a generation or another upload was running: nothing happened
    Failed,     // the status line says why
    Cancelled,  // the upload flag was cleared while files were sent
    Succeeded,
};

struct UploadOptions {
    NetworkProbe probe = LocalIpAddress;
    FtpLimits limits;
};

// The Upload command: sends every file of the catalog's output folder into `FTPDirectory` on
// `FTPHost`, reporting status lines and progress to `host`. The upload flag of `flags` is held
// from the first network step to the end; clearing it cancels the upload before the next file
// (the file in transfer completes).
UploadOutcome UploadCatalog(const MXCatalog& catalog, ActivityFlags& flags, UploadHost& host,
                            const UploadOptions& options = {});

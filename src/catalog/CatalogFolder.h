#pragma once

#include <string>

// Helpers for the catalog folder on disk: `info`, `data/` (pictures) and `output/` (the generated
// store).

bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);

// True when both texts name the same folder on disk (or are the same text).
bool SameFolder(const std::string& a, const std::string& b);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces `path` by a file holding `bytes`: the bytes go to a new file in the same folder, which
// is flushed to disk and then renamed over `path`. On any failure `path` is left as it was and
// the new file is removed.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

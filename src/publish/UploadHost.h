#pragma once

#include <string>

// What an upload reports to the window or terminal that started it.
class UploadHost {
public:
    virtual ~UploadHost() = default;
    virtual void ShowStatus(const std::string& text) = 0;
    // The progress bar and the Cancel Upload button: shown while files are sent.
    virtual void ShowProgress(bool visible) {}
    // Percent of the current file sent: bytes sent × 100 ÷ its size; 100 for an empty file.
    virtual void SetProgress(int percent) {}
};

#pragma once

#include <atomic>
#include <string>

#include "GenerationHost.h"

struct Picture;

// The three services through which a run's stages reach the host: status lines, the running
// flag, and pictures to be written.
class WorkerServices {
public:
    WorkerServices(GenerationHost& host, const std::atomic<bool>& running)
        : host_(host), running_(running) {}

    // Shows the line and returns once it is shown.
    void reportStatus(const std::string& text);
    // The running flag; Cancel Generation clears it.
    bool isRunning() const { return running_.load(); }
    // Has the host write the picture as JPEG into path; returns once it is written (false when
    // it could not be, with the reason in `error`).
    bool handOverPicture(const Picture& picture, const std::string& path, std::string* error);
    // Shows or hides the Cancel Generation button with the next status call.
    void setCancelVisible(bool visible) { channel_.cancelVisible = visible; }
    // Repeats the status call with the current line (after a change of the button).
    void refresh() { host_.statusCall(channel_); }

private:
    GenerationHost& host_;
    const std::atomic<bool>& running_;
    WorkerChannel channel_;
};

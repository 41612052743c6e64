#pragma once

#include <functional>

#include "publish/UploadHost.h"

class QObject;

// Carries an upload's reports from its worker thread to the window, in order, without making
// the worker wait.
class QtUploadHost : public UploadHost {
public:
    struct Window {
        std::function<void(const std::string&)> showStatus;
        std::function<void(bool)> showProgress;
        std::function<void(int)> setProgress;
    };
    QtUploadHost(QObject* context, Window window) : context_(context), window_(std::move(window)) {}

    void ShowStatus(const std::string& text) override;
    void ShowProgress(bool visible) override;
    void SetProgress(int percent) override;

private:
    QObject* context_;
    Window window_;
};

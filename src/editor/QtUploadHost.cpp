#include "QtUploadHost.h"

#include "UiThreadCall.h"

void QtUploadHost::ShowStatus(const std::string& text) {
    PostToUiThread(context_, [show = window_.showStatus, text] { show(text); });
}

void QtUploadHost::ShowProgress(bool visible) {
    PostToUiThread(context_, [show = window_.showProgress, visible] { show(visible); });
}

void QtUploadHost::SetProgress(int percent) {
    PostToUiThread(context_, [set = window_.setProgress, percent] { set(percent); });
}

#include "WorkerServices.h"

#include "Picture.h"

void WorkerServices::reportStatus(const std::string& text) {
    channel_.statusText = text;
    channel_.newStatus = true;
    host_.statusCall(channel_);
    channel_.newStatus = false;
}

bool WorkerServices::handOverPicture(const Picture& picture, const std::string& path,
                                     std::string* error) {
    channel_.pictureToSave = &picture;
    channel_.picturePath = path;
    channel_.pictureSaved = false;
    channel_.pictureError.clear();
    host_.statusCall(channel_);
    // A host that did not take the picture leaves it in the slot; never keep a dangling one.
    const bool saved = channel_.pictureSaved;
    if (!saved && error) *error = channel_.pictureError.empty() ? "not written" : channel_.pictureError;
    channel_.pictureToSave = nullptr;
    channel_.picturePath.clear();
    return saved;
}

#pragma once

#include <string>

struct Picture;

// What the worker hands over in each synchronised status call.
struct WorkerChannel {
    std::string statusText;
    bool newStatus = false;  // the call reports a new line (not a repeat for a picture or button)
    bool cancelVisible = false;
    const Picture* pictureToSave = nullptr;  // the hand-over slot; with an empty path it is ignored
    std::string picturePath;
    bool pictureSaved = false;  // set by the call when the picture was written
    std::string pictureError;   // why it was not
};

// The window (or terminal) that shows a generation run. The desktop program runs statusCall on
// its user-interface thread while the worker waits; the command line runs it directly.
class GenerationHost {
public:
    virtual ~GenerationHost() = default;
    // Shows channel.statusText, shows or hides the Cancel Generation button, and writes a
    // handed-over picture (savePictureInChannel does that part). Returns once all is done.
    virtual void statusCall(WorkerChannel& channel) = 0;
};

// Writes the picture in the hand-over slot as a JPEG file into its path and empties the slot;
// does nothing when the slot holds no picture or the path is empty.
void savePictureInChannel(WorkerChannel& channel);

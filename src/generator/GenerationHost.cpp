#include "GenerationHost.h"

#include "JpegFile.h"
#include "Picture.h"

void savePictureInChannel(WorkerChannel& channel) {
    if (channel.pictureToSave == nullptr || channel.picturePath.empty()) return;
    channel.pictureError.clear();
    channel.pictureSaved =
        writeJpeg(*channel.pictureToSave, channel.picturePath, &channel.pictureError);
    channel.pictureToSave = nullptr;
    channel.picturePath.clear();
}

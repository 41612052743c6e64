#pragma once

#include <string>

#include "TemplateSettings.h"

class DataFolderIndex;
class MXCatalog;
class WorkerServices;

// Makes the regular-size pictures ("r" + c or i + ID + ".jpg") and icons ("_" + c or i + ID +
// ".jpg") of every category or item that has a picture in the data folder, each fitted into its
// box and written as JPEG through the worker's host.
class PicturePreparation {
public:
    enum class Kind { Categories, Items };

    PicturePreparation(const MXCatalog& catalog, const DataFolderIndex& data,
                       WorkerServices& worker);

    // Skip letters: "r" leaves out the regular-size pictures, "i" the icons.
    void preparePictures(Kind kind, PictureBox box, PictureBox iconBox, const std::string& skip);

private:
    void prepareOne(char letter, const std::string& id, PictureBox box, PictureBox iconBox,
                    bool regular, bool icon);

    const MXCatalog& catalog_;
    std::string dataFolder_, outputFolder_;
    const DataFolderIndex& data_;
    WorkerServices& worker_;
};

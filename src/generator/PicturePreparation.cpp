#include "PicturePreparation.h"

#include <algorithm>

#include "DataFolderIndex.h"
#include "Picture.h"
#include "PictureFile.h"
#include "PictureScaling.h"
#include "WorkerServices.h"
#include "catalog/MXCatalog.h"

PicturePreparation::PicturePreparation(const MXCatalog& catalog, const DataFolderIndex& data,
                                       WorkerServices& worker)
    : catalog_(catalog),
      dataFolder_(catalog.CatalogFolder + "/data"),
      outputFolder_(catalog.CatalogFolder + "/output"),
      data_(data),
      worker_(worker) {}

void PicturePreparation::preparePictures(Kind kind, PictureBox box, PictureBox iconBox,
                                         const std::string& skip) {
    const bool regular = skip.find('r') == std::string::npos;
    const bool icon = skip.find('i') == std::string::npos;
    auto visit = [&](char letter, const auto& records) {
        for (const auto& [id, record] : records) {
            if (!worker_.isRunning()) return;
            worker_.reportStatus("Working on Image: " + record.Name);
            prepareOne(letter, id, box, iconBox, regular, icon);
        }
    };
    if (kind == Kind::Categories)
        visit('c', catalog_.Categories);
    else
        visit('i', catalog_.Items);
}

void PicturePreparation::prepareOne(char letter, const std::string& id, PictureBox box,
                                    PictureBox iconBox, bool regular, bool icon) {
    // The index holds only names found in the data folder, so an ID that would lead elsewhere
    // never matches.
    const std::string source = letter + id + ".jpg";
    if (!data_.has(source) || !(regular || icon)) return;
    // A JPEG may be decoded at a fraction of its size, as long as it stays at least twice as
    // large as the larger of the two pictures made from it.
    auto decodeLimit = [&](int width, int height) {
        PictureSize least;
        for (auto [wanted, b] : {std::pair{regular, box}, std::pair{icon, iconBox}}) {
            if (!wanted) continue;
            PictureSize s = fitInBox(width, height, b.first, b.second);
            least.width = std::max(least.width, 2 * std::clamp(s.width, 1, kMaxStretchSide));
            least.height = std::max(least.height, 2 * std::clamp(s.height, 1, kMaxStretchSide));
        }
        return least;
    };
    Picture picture;
    PictureSize full;
    std::string error;
    if (!readPicture(dataFolder_ + "/" + source, picture, full, &error, decodeLimit) ||
        full.height == 0) {
        worker_.reportStatus("Skipped Picture: " + source + " (" + error + ")");
        return;
    }
    auto write = [&](PictureBox b, const char* prefix) {
        const std::string name = prefix + (letter + id) + ".jpg";
        Picture scaled = stretchPicture(picture, fitInBox(full.width, full.height, b.first, b.second));
        if (!worker_.handOverPicture(scaled, outputFolder_ + "/" + name, &error))
            worker_.reportStatus("Skipped Picture: " + name + " (" + error + ")");
    };
    if (regular) write(box, "r");
    if (icon) write(iconBox, "_");
}

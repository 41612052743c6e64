#pragma once

#include <cstdint>
#include <string>

// The width and height limits a prepared picture is fitted into (first and second value of a
// box line in mxinfo.dat).
struct PictureBox {
    int32_t first = 0;
    int32_t second = 0;
};

// What one generation run takes from the template's mxinfo.dat. Every run starts from these
// defaults; the icon boxes default to the catalog's IconSize.
struct TemplateSettings {
    PictureBox categoryBox{200, 200};
    PictureBox itemBox{250, 250};
    PictureBox categoryIconBox{80, 80};
    PictureBox itemIconBox{80, 80};
    std::string categorySkip;  // "o": no copies, "r": no regular pictures, "i": no icons
    std::string itemSkip;
    std::string requiredVersion = "1.00";
};

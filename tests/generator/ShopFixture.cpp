#include "ShopFixture.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "generator/GifFile.h"
#include "generator/JpegFile.h"
#include "generator/Picture.h"

namespace {

void WriteJpegOfSize(const std::string& path, int width, int height) {
    Picture p;
    p.resize(width, height);
    for (size_t i = 0; i < p.rgb.size(); ++i) p.rgb[i] = static_cast<uint8_t>(i * 7);
    writeJpeg(p, path, nullptr);
}

// The smallest GIF of a given screen size: header, screen, one 1 by 1 image, trailer.
std::string GifOfSize(int width, int height) {
    auto le16 = [](int v) { return std::string{static_cast<char>(v & 255), static_cast<char>(v >> 8)}; };
    return "GIF89a" + le16(width) + le16(height) + std::string("\x80\x00\x00", 3) +
           std::string("\x00\x00\x00\xFF\xFF\xFF", 6) + "," + le16(0) + le16(0) + le16(1) +
           le16(1) + std::string("\x00\x02\x02\x44\x01\x00;", 8);
}

int CurrentYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

void AddCategory(MXCatalog& c, const std::string& id, const std::string& name,
                 const std::string& parent, const std::string& desc,
                 std::vector<std::string> items) {
    MXCategory& category = c.Categories[id];
    category.ID = id;
    category.Name = name;
    category.Parent = parent;
    category.Desc = desc;
    category.ItemIDs = std::move(items);
}

MXItem& AddItem(MXCatalog& c, const std::string& id, const std::string& sku,
                const std::string& name, float price) {
    MXItem& item = c.Items[id];
    item.ID = id;
    item.SKU = sku;
    item.Name = name;
    item.Price = price;
    return item;
}

}  // namespace

std::map<std::string, std::string> ParseFiles(const std::string& text) {
    std::map<std::string, std::string> files;
    std::string* current = nullptr;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        const std::string line = text.substr(at, end - at);
        if (line.rfind("-- ", 0) == 0 && line.find(" --") != std::string::npos) {
            current = &files[line.substr(3, line.find(" --", 3) - 3)];
        } else if (current) {
            *current += line;
        }
        at = end;
    }
    return files;
}

void WriteFiles(const std::string& root, const std::map<std::string, std::string>& files) {
    for (const auto& [path, bytes] : files) WriteFileBytes(root + "/" + path, bytes);
}

ShopFixture::ShopFixture(const std::string& description) {
    for (auto& [path, bytes] : ParseFiles(description)) {
        if (path.rfind("expect/", 0) == 0) {
            for (size_t at; (at = bytes.find("{year}")) != std::string::npos;)
                bytes.replace(at, 6, std::to_string(CurrentYear()));
            expectedPages[path.substr(7)] = bytes;
        } else {
            WriteFileBytes(home / path, bytes);
        }
    }

    MXCatalog& c = catalog;
    c.Template = "shop";
    c.DemoMode = false;
    c.SITEID = "5000";
    c.SERVER = "3";
    c.PARTNERID = "P7";
    c.StoreName = "Mugs !!storename!!";  // a value holding its own tag
    c.URL = "http://mugs.example";
    c.Path = "shop";
    c.Money.clear();
    c.Language.clear();
    AddCategory(c, "10", "Mugs", "", "Coffee mugs", {"100"});
    AddCategory(c, "20", "Cups", "10", "", {"100", "300"});
    AddCategory(c, "30", "Plates", "", "", {});
    MXItem& mug = AddItem(c, "100", "M-1", "Mug", 9.95f);
    mug.Weight = 0.5f;
    mug.ItemCount = 2;
    MXItem& cup = AddItem(c, "200", "C-1", "Cup", 0);
    cup.Variants["1"] = MXVariant{"1", "C-1L", "Large", 4.5f, 0.25f};
    AddItem(c, "300", "P-1", "Plate", 12.5f);
    c.RebuildLinks();
    c.CatalogFolder = home / "Shop";
    std::filesystem::create_directories(c.CatalogFolder);
    EXPECT_TRUE(c.Save());

    const std::string data = c.CatalogFolder + "/data/";
    WriteFileBytes(data + "logo.gif", GifOfSize(30, 20));
    WriteFileBytes(data + "bg.gif", GifOfSize(8, 8));
    WriteFileBytes(data + "notes.txt", "kept beside the pictures");
    WriteJpegOfSize(data + "c10.jpg", 400, 200);
    WriteJpegOfSize(data + "i200.jpg", 3, 1000);
    WriteJpegOfSize(data + "i300.jpg", 1024, 768);
    WriteFileBytes(data + "i100.jpg", "not a picture");
}

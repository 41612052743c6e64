// Makes a catalog folder for the generation benchmark: ITEMS items (every third with two
// variants) in 500 categories on two levels (50 top-level, 9 below each), the Hugo site with
// the same pages, menu and fields, and optionally PHOTOS item photos of 1024 by 768.
//
// usage: make_bench_catalog FOLDER ITEMS PHOTOS TEMPLATE HUGO_FOLDER

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalog/MXCatalog.h"
#include "generator/JpegFile.h"
#include "generator/Picture.h"

namespace fs = std::filesystem;

namespace {

void WriteText(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A photo-like picture: smooth gradients with a little pattern, different per index.
Picture Photo(int index) {
    Picture p;
    p.resize(1024, 768);
    for (int y = 0; y < p.height; ++y) {
        uint8_t* row = p.row(y);
        for (int x = 0; x < p.width; ++x) {
            row[x * 3] = static_cast<uint8_t>((x + index * 7) / 4);
            row[x * 3 + 1] = static_cast<uint8_t>((y + index * 13) / 3);
            row[x * 3 + 2] = static_cast<uint8_t>(((x ^ y) & 31) * 4 + index);
        }
    }
    return p;
}

// The Hugo twin: one content page per category and item with the same fields, and a layout
// that prints the same menu of every category on each page.
void WriteHugoSite(const std::string& folder, const MXCatalog& c) {
    WriteText(folder + "/config.toml",
              "baseURL = 'http://bench.example/'\ntitle = 'Bench Store'\n"
              "disableKinds = ['taxonomy', 'term', 'RSS', 'sitemap', 'robotsTXT', '404']\n"
              "uglyURLs = true\n");
    const std::string menu =
        "<ul>{{ range (.Site.GetPage \"section\" \"cat\").Pages.ByParam \"id\" }}"
        "<li><a href='cat{{ .Params.id }}.html'>{{ .Title }}</a></li>\n{{ end }}</ul>\n";
    WriteText(folder + "/layouts/index.html",
              "<html><body><h1>{{ .Site.Title }}</h1>\n" + menu + "</body></html>\n");
    WriteText(folder + "/layouts/cat/single.html",
              "<html><body><h1>{{ .Title }}</h1>\n" + menu +
                  "<p>{{ .Params.desc }}</p></body></html>\n");
    WriteText(folder + "/layouts/item/single.html",
              "<html><body><h1>{{ .Title }}</h1>\n" + menu +
                  "<p>{{ .Params.sku }} {{ .Params.price }} {{ .Params.sdesc }}</p>\n"
                  "{{ range .Params.variants }}<p>{{ .name }} {{ .price }}</p>\n{{ end }}"
                  "</body></html>\n");
    for (const auto& [id, cat] : c.Categories)
        WriteText(folder + "/content/cat/" + id + ".md",
                  "---\ntitle: '" + cat.Name + "'\nid: '" + id + "'\ndesc: '" + cat.Desc +
                      "'\n---\n");
    for (const auto& [id, item] : c.Items) {
        std::string text = "---\ntitle: '" + item.Name + "'\nsku: '" + item.SKU +
                           "'\nprice: " + std::to_string(item.Price) + "\nsdesc: '" +
                           item.ShortDesc + "'\nvariants:\n";
        for (const auto& [vid, v] : item.Variants)
            text += "  - name: '" + v.Name + "'\n    price: " + std::to_string(v.Price) + "\n";
        if (item.Variants.empty()) text += "  []\n";
        WriteText(folder + "/content/item/" + id + ".md", text + "---\n");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s FOLDER ITEMS PHOTOS TEMPLATE HUGO_FOLDER\n", argv[0]);
        return 64;
    }
    const std::string folder = argv[1];
    const int items = std::atoi(argv[2]);
    const int photos = std::atoi(argv[3]);
    fs::remove_all(folder);
    fs::create_directories(folder);

    MXCatalog c;
    c.Template = argv[4];
    c.StoreName = "Bench Store";
    c.URL = "http://bench.example";
    for (int top = 0; top < 50; ++top) {
        const std::string topId = std::to_string(1600000000 + top * 10);
        c.Categories[topId] = MXCategory{topId, "Department " + std::to_string(top),
                                         "All of department " + std::to_string(top), ""};
        for (int sub = 1; sub <= 9; ++sub) {
            const std::string id = std::to_string(1600000000 + top * 10 + sub);
            c.Categories[id] = MXCategory{id, "Shelf " + std::to_string(top) + "." + std::to_string(sub),
                                          "", topId};
        }
    }
    std::vector<std::string> shelves;
    for (const auto& [id, cat] : c.Categories)
        if (!cat.Parent.empty()) shelves.push_back(id);
    for (int i = 0; i < items; ++i) {
        const std::string id = std::to_string(1700000000 + i);
        MXItem& item = c.Items[id];
        item.ID = id;
        item.SKU = "SKU-" + std::to_string(i);
        item.Name = "Item " + std::to_string(i);
        item.Price = 1.5f + static_cast<float>(i % 100);
        item.ShortDesc = "A fine thing, number " + std::to_string(i);
        if (i % 3 == 0)
            for (int v = 1; v <= 2; ++v)
                item.Variants[std::to_string(v)] =
                    MXVariant{std::to_string(v), item.SKU + "-" + std::to_string(v),
                              v == 1 ? "Small" : "Large", item.Price + v, 0};
        c.Categories[shelves[i % shelves.size()]].ItemIDs.push_back(id);
    }
    c.RebuildLinks();
    c.CatalogFolder = folder;
    if (!c.Save()) {
        std::fprintf(stderr, "cannot save the catalog\n");
        return 1;
    }
    int written = 0;
    for (const auto& [id, item] : c.Items) {
        if (written++ >= photos) break;
        writeJpeg(Photo(written), folder + "/data/i" + id + ".jpg", nullptr);
    }
    WriteHugoSite(argv[5], c);
    return 0;
}

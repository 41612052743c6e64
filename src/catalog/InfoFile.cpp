#include "InfoFile.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cstdint>
#include <limits>
#include <unordered_map>

#include "MXCatalog.h"

namespace {

// ---- Writing ----

class InfoWriter {
public:
    void Text(std::string_view key, std::string_view value) {
        out_.append(key).append("=").append(value).append("\r\n");
    }
    void Int(std::string_view key, int32_t value) { Text(key, std::to_string(value)); }
    void Bool(std::string_view key, bool value) { Text(key, value ? "true" : "false"); }
    // Floats are widened and printed with six decimals, independent of the process locale.
    void Float(std::string_view key, float value) {
        char buf[400];
        auto result = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                    std::chars_format::fixed, 6);
        Text(key, std::string_view(buf, result.ptr - buf));
    }
    void Marker(std::string_view marker) { out_.append(marker).append("\r\n"); }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

// ---- Reading ----

// Lines end at LF; the LF and a CR right before it are dropped. A last line without a line
// break is taken whole. Lines may be of any length.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool Next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos) {
            line = text_.substr(pos_);
            pos_ = text_.size();
            return true;
        }
        line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos_ = end + 1;
        return true;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
};

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// atol rules: leading white space, an optional sign, digits up to the first other character;
// no digits give 0. Values beyond 32 bits are held at the nearest limit.
int32_t ToInt(std::string_view value) {
    size_t i = 0;
    while (i < value.size() && IsCSpace(value[i])) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    int64_t n = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        n = std::min(n * 10 + (value[i] - '0'), kLimit);
    if (negative) n = -n;
    n = std::min<int64_t>(n, std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(n);
}

// strtod rules in the C locale, whatever locale the process runs in, rounded to a 32-bit float.
float ToFloat(std::string_view value) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    std::string text(value);  // strtod needs a terminated string
    return static_cast<float>(strtod_l(text.c_str(), nullptr, cLocale));
}

// A boolean is true exactly when its text begins with a lower-case t.
bool ToBool(std::string_view value) { return !value.empty() && value.front() == 't'; }

struct Entry {
    std::string_view key, value;
};

bool Split(std::string_view line, Entry& entry) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    entry = {line.substr(0, eq), line.substr(eq + 1)};
    return true;
}

// What ends a section: the end of the file, its marker (success), or anything else without "="
// (failure).
enum class LineKind { Entry, End, Fail };

LineKind NextEntry(LineReader& lines, std::string_view marker, Entry& entry) {
    std::string_view line;
    if (!lines.Next(line)) return LineKind::End;
    if (Split(line, entry)) return LineKind::Entry;
    return line == marker ? LineKind::End : LineKind::Fail;
}

using TextField = std::string MXCatalog::*;

const std::unordered_map<std::string_view, TextField>& SettingTextFields() {
    static const std::unordered_map<std::string_view, TextField> fields = {
        {"FTPHost", &MXCatalog::FTPHost},         {"FTPDirectory", &MXCatalog::FTPDirectory},
        {"FTPUsername", &MXCatalog::FTPUsername}, {"FTPPassword", &MXCatalog::FTPPassword},
        {"SITEID", &MXCatalog::SITEID},           {"PARTNERID", &MXCatalog::PARTNERID},
        {"SERVER", &MXCatalog::SERVER},           {"ZKPassword", &MXCatalog::ZKPassword},
        {"TextColor", &MXCatalog::TextColor},     {"LinkColor", &MXCatalog::LinkColor},
        {"ALinkColor", &MXCatalog::ALinkColor},   {"VLinkColor", &MXCatalog::VLinkColor},
        {"BGColor", &MXCatalog::BGColor},         {"FontNames", &MXCatalog::FontNames},
        {"Color1", &MXCatalog::Color1},           {"Color2", &MXCatalog::Color2},
        {"Color3", &MXCatalog::Color3},           {"Money", &MXCatalog::Money},
        {"Language", &MXCatalog::Language},       {"CompanyName", &MXCatalog::CompanyName},
        {"StoreName", &MXCatalog::StoreName},     {"URL", &MXCatalog::URL},
        {"Path", &MXCatalog::Path},               {"Email", &MXCatalog::Email},
        {"Phone", &MXCatalog::Phone},             {"Keywords", &MXCatalog::Keywords},
        {"Desc", &MXCatalog::Desc},
    };
    return fields;
}

class InfoReader {
public:
    InfoReader(std::string_view text, MXCatalog& catalog,
               const std::function<bool(const std::string&)>& templateExists)
        : lines_(text), catalog_(catalog), templateExists_(templateExists) {}

    bool Read() {
        std::string_view line;
        Entry e;
        while (lines_.Next(line)) {
            if (!Split(line, e)) return false;
            if (auto field = SettingTextFields().find(e.key); field != SettingTextFields().end())
                catalog_.*(field->second) = e.value;
            else if (e.key == "DemoMode")
                catalog_.DemoMode = ToBool(e.value);
            else if (e.key == "Template") {
                std::string name(e.value);
                if (templateExists_ && templateExists_(name)) catalog_.Template = name;
            } else if (e.key == "IconSize")
                catalog_.IconSize = ToInt(e.value);
            else if (e.key == "WelcomeMsg")
                catalog_.WelcomeMsg = RestoreLineBreaks(e.value);
            else if (e.key == "NumCats") {
                if (!ReadCategories()) return false;
            } else if (e.key == "NumItems") {
                if (!ReadItems()) return false;
            }
        }
        return true;
    }

private:
    bool ReadCategories() {
        std::string id;
        Entry e;
        for (;;) {
            switch (NextEntry(lines_, "CEND", e)) {
                case LineKind::End: return true;
                case LineKind::Fail: return false;
                case LineKind::Entry: break;
            }
            auto& categories = catalog_.Categories;
            if (e.key == "CID") {
                id = e.value;
                categories[id].ID = id;
            } else if (e.key == "CName")
                categories[id].Name = e.value;
            else if (e.key == "CDesc")
                categories[id].Desc = RestoreLineBreaks(e.value);
            else if (e.key == "CParent")
                categories[id].Parent = e.value;
            else if (e.key == "CNumItems") {
                // The next n lines are item IDs, whatever they hold, normalised to decimal.
                auto& itemIds = categories[id].ItemIDs;
                std::string_view line;
                for (int32_t n = ToInt(e.value); n > 0 && lines_.Next(line); --n)
                    itemIds.push_back(std::to_string(ToInt(line)));
            }
        }
    }

    bool ReadItems() {
        std::string itemId, variantId;  // the variant ID carries over from item to item
        Entry e;
        for (;;) {
            switch (NextEntry(lines_, "IEND", e)) {
                case LineKind::End: return true;
                case LineKind::Fail: return false;
                case LineKind::Entry: break;
            }
            if (e.key == "IID") {
                itemId = e.value;
                catalog_.Items[itemId].ID = itemId;
            } else if (e.key == "INumVariants") {
                switch (ReadVariants(itemId, variantId)) {
                    case VariantsEnd::Marker: break;
                    case VariantsEnd::EndOfFile: return true;
                    case VariantsEnd::Fail: return false;
                }
            } else {
                ItemField(catalog_.Items, itemId, e);
            }
        }
    }

    static void ItemField(std::map<std::string, MXItem>& items, const std::string& itemId,
                          const Entry& e) {
        static const std::unordered_map<std::string_view, std::string MXItem::*> texts = {
            {"ISKU", &MXItem::SKU}, {"IName", &MXItem::Name},
            {"IKeywords", &MXItem::Keywords}, {"ISDesc", &MXItem::ShortDesc}};
        static const std::unordered_map<std::string_view, float MXItem::*> floats = {
            {"IPrice", &MXItem::Price},         {"IFS", &MXItem::FlatShip},
            {"IIFS", &MXItem::IntlFlatShip},    {"IFSM", &MXItem::FlatShipMore},
            {"IIFSM", &MXItem::IntlFlatShipMore}, {"IWeight", &MXItem::Weight}};
        if (auto t = texts.find(e.key); t != texts.end())
            items[itemId].*(t->second) = e.value;
        else if (auto f = floats.find(e.key); f != floats.end())
            items[itemId].*(f->second) = ToFloat(e.value);
        else if (e.key == "IuseFS")
            items[itemId].UseFlatShip = ToBool(e.value);
        else if (e.key == "Inontax")
            items[itemId].NonTaxable = ToBool(e.value);
        else if (e.key == "IItemCount")
            items[itemId].ItemCount = ToInt(e.value);
        else if (e.key == "IDefQty")
            items[itemId].DefaultQty = ToInt(e.value);
        else if (e.key == "Iqsm")
            items[itemId].QtySelect = static_cast<int8_t>(static_cast<uint8_t>(ToInt(e.value)));
        else if (e.key == "ILDesc")
            items[itemId].LongDesc = RestoreLineBreaks(e.value);
    }

    enum class VariantsEnd { Marker, EndOfFile, Fail };

    VariantsEnd ReadVariants(const std::string& itemId, std::string& variantId) {
        Entry e;
        std::string_view line;
        for (;;) {
            if (!lines_.Next(line)) return VariantsEnd::EndOfFile;
            if (!Split(line, e)) return line == "IVEND" ? VariantsEnd::Marker : VariantsEnd::Fail;
            auto variants = [&]() -> auto& { return catalog_.Items[itemId].Variants; };
            if (e.key == "IVariantID") {
                variantId = e.value;
                variants()[variantId].ID = variantId;
            } else if (e.key == "IVariantSKU")
                variants()[variantId].SKU = e.value;
            else if (e.key == "IVariantName")
                variants()[variantId].Name = e.value;
            else if (e.key == "IVariantPrice")
                variants()[variantId].Price = ToFloat(e.value);
            else if (e.key == "IVariantWeight")
                variants()[variantId].Weight = ToFloat(e.value);
        }
    }

    LineReader lines_;
    MXCatalog& catalog_;
    const std::function<bool(const std::string&)>& templateExists_;
};

}  // namespace

std::string FlattenLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += '\t';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string RestoreLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

std::string WriteInfo(const MXCatalog& c) {
    InfoWriter w;
    w.Text("FTPHost", c.FTPHost);
    w.Text("FTPDirectory", c.FTPDirectory);
    w.Text("FTPUsername", c.FTPUsername);
    w.Text("FTPPassword", c.FTPPassword);
    w.Bool("DemoMode", c.DemoMode);
    w.Text("SITEID", c.SITEID);
    w.Text("PARTNERID", c.PARTNERID);
    w.Text("SERVER", c.SERVER);
    w.Text("ZKPassword", c.ZKPassword);
    w.Text("TextColor", c.TextColor);
    w.Text("LinkColor", c.LinkColor);
    w.Text("ALinkColor", c.ALinkColor);
    w.Text("VLinkColor", c.VLinkColor);
    w.Text("BGColor", c.BGColor);
    w.Text("FontNames", c.FontNames);
    w.Text("Color1", c.Color1);
    w.Text("Color2", c.Color2);
    w.Text("Color3", c.Color3);
    w.Text("Template", c.Template);
    w.Int("IconSize", c.IconSize);
    w.Text("Money", c.Money);
    w.Text("Language", c.Language);
    w.Text("CompanyName", c.CompanyName);
    w.Text("StoreName", c.StoreName);
    w.Text("URL", c.URL);
    w.Text("Path", c.Path);
    w.Text("Email", c.Email);
    w.Text("Phone", c.Phone);
    w.Text("Keywords", c.Keywords);
    w.Text("Desc", c.Desc);
    w.Text("WelcomeMsg", FlattenLineBreaks(c.WelcomeMsg));

    w.Int("NumCats", static_cast<int32_t>(c.Categories.size()));
    for (const auto& [id, cat] : c.Categories) {
        w.Text("CID", id);
        w.Text("CName", cat.Name);
        w.Text("CDesc", FlattenLineBreaks(cat.Desc));
        w.Text("CParent", cat.Parent);
        w.Int("CNumItems", static_cast<int32_t>(cat.ItemIDs.size()));
        for (const std::string& itemId : cat.ItemIDs) w.Marker(itemId);
    }
    w.Marker("CEND");

    w.Int("NumItems", static_cast<int32_t>(c.Items.size()));
    for (const auto& [id, item] : c.Items) {
        w.Text("IID", id);
        w.Text("ISKU", item.SKU);
        w.Text("IName", item.Name);
        w.Float("IPrice", item.Price);
        w.Float("IFS", item.FlatShip);
        w.Float("IIFS", item.IntlFlatShip);
        w.Float("IFSM", item.FlatShipMore);
        w.Float("IIFSM", item.IntlFlatShipMore);
        w.Bool("IuseFS", item.UseFlatShip);
        w.Bool("Inontax", item.NonTaxable);
        w.Int("IItemCount", item.ItemCount);
        w.Float("IWeight", item.Weight);
        w.Text("IKeywords", item.Keywords);
        w.Int("IDefQty", item.DefaultQty);
        w.Int("Iqsm", item.QtySelect);
        w.Text("ISDesc", item.ShortDesc);
        w.Text("ILDesc", FlattenLineBreaks(item.LongDesc));
        w.Int("INumVariants", static_cast<int32_t>(item.Variants.size()));
        for (const auto& [variantId, v] : item.Variants) {
            w.Text("IVariantID", variantId);
            w.Text("IVariantSKU", v.SKU);
            w.Text("IVariantName", v.Name);
            w.Float("IVariantPrice", v.Price);
            w.Float("IVariantWeight", v.Weight);
        }
        w.Marker("IVEND");
    }
    w.Marker("IEND");
    return w.Take();
}

bool ReadInfo(std::string_view text, MXCatalog& catalog,
              const std::function<bool(const std::string&)>& templateExists) {
    return InfoReader(text, catalog, templateExists).Read();
}

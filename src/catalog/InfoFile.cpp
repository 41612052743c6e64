#include "InfoFile.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

#include "MXCatalog.h"

namespace {

// ---- Conversions ----

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

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
    return static_cast<int32_t>(std::min<int64_t>(n, std::numeric_limits<int32_t>::max()));
}

// strtod rules in the C locale, whatever locale the process runs in (a desktop session may use
// a decimal comma), rounded to a 32-bit float.
float ToFloat(std::string_view value) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    std::string text(value);  // strtod needs a terminated string
    return static_cast<float>(strtod_l(text.c_str(), nullptr, cLocale));
}

// A boolean is true exactly when its text begins with a lower-case t.
bool ToBool(std::string_view value) {
    return !value.empty() && value.front() == 't';
}

// Floats are widened and printed with six decimals, independent of the process locale.
std::string FromFloat(float value) {
    char buf[400];
    auto result = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                std::chars_format::fixed, 6);
    return std::string(buf, result.ptr);
}

// ---- Fields ----

// One stored field of a record: its key, how its value is written and read, and where it lives.
// The tables below give the writer its order and the reader its keys.
template <class Record>
struct Field {
    enum Kind { Text, MultiLine, Integer, Real, Flag, SignedByte };
    std::string_view key;
    Kind kind;
    std::string Record::*text = nullptr;
    int32_t Record::*integer = nullptr;
    float Record::*real = nullptr;
    bool Record::*flag = nullptr;
    int8_t Record::*byte = nullptr;

    std::string Format(const Record& r) const {
        switch (kind) {
            case Text:
                return r.*text;
            case MultiLine:
                return FlattenLineBreaks(r.*text);
            case Integer:
                return std::to_string(r.*integer);
            case Real:
                return FromFloat(r.*real);
            case Flag:
                return r.*flag ? "true" : "false";
            case SignedByte:
                return std::to_string(r.*byte);
        }
        return {};
    }

    void Assign(Record& r, std::string_view value) const {
        switch (kind) {
            case Text:
                r.*text = value;
                break;
            case MultiLine:
                r.*text = RestoreLineBreaks(value);
                break;
            case Integer:
                r.*integer = ToInt(value);
                break;
            case Real:
                r.*real = ToFloat(value);
                break;
            case Flag:
                r.*flag = ToBool(value);
                break;
            // the integer's low 8 bits, as a signed value
            case SignedByte:
                r.*byte = static_cast<int8_t>(static_cast<uint8_t>(ToInt(value)));
                break;
        }
    }
};

template <class R>
Field<R> TextField(std::string_view k, std::string R::*m) {
    return {k, Field<R>::Text, m};
}
template <class R>
Field<R> MultiLineField(std::string_view k, std::string R::*m) {
    return {k, Field<R>::MultiLine, m};
}
template <class R>
Field<R> IntField(std::string_view k, int32_t R::*m) {
    return {k, Field<R>::Integer, nullptr, m};
}
template <class R>
Field<R> FloatField(std::string_view k, float R::*m) {
    return {k, Field<R>::Real, nullptr, nullptr, m};
}
template <class R>
Field<R> BoolField(std::string_view k, bool R::*m) {
    return {k, Field<R>::Flag, nullptr, nullptr, nullptr, m};
}
template <class R>
Field<R> ByteField(std::string_view k, int8_t R::*m) {
    return {k, Field<R>::SignedByte, nullptr, nullptr, nullptr, nullptr, m};
}

template <class R>
const Field<R>* FindField(const std::vector<Field<R>>& fields, std::string_view key) {
    auto it =
        std::find_if(fields.begin(), fields.end(), [&](const Field<R>& f) { return f.key == key; });
    return it == fields.end() ? nullptr : &*it;
}

// `Template` is written here in its place but read apart: it is kept only for an installed package.
const std::vector<Field<MXCatalog>>& SettingFields() {
    using C = MXCatalog;
    static const std::vector<Field<C>> fields = {
        TextField("FTPHost", &C::FTPHost),
        TextField("FTPDirectory", &C::FTPDirectory),
        TextField("FTPUsername", &C::FTPUsername),
        TextField("FTPPassword", &C::FTPPassword),
        BoolField("DemoMode", &C::DemoMode),
        TextField("SITEID", &C::SITEID),
        TextField("PARTNERID", &C::PARTNERID),
        TextField("SERVER", &C::SERVER),
        TextField("ZKPassword", &C::ZKPassword),
        TextField("TextColor", &C::TextColor),
        TextField("LinkColor", &C::LinkColor),
        TextField("ALinkColor", &C::ALinkColor),
        TextField("VLinkColor", &C::VLinkColor),
        TextField("BGColor", &C::BGColor),
        TextField("FontNames", &C::FontNames),
        TextField("Color1", &C::Color1),
        TextField("Color2", &C::Color2),
        TextField("Color3", &C::Color3),
        TextField("Template", &C::Template),
        IntField("IconSize", &C::IconSize),
        TextField("Money", &C::Money),
        TextField("Language", &C::Language),
        TextField("CompanyName", &C::CompanyName),
        TextField("StoreName", &C::StoreName),
        TextField("URL", &C::URL),
        TextField("Path", &C::Path),
        TextField("Email", &C::Email),
        TextField("Phone", &C::Phone),
        TextField("Keywords", &C::Keywords),
        TextField("Desc", &C::Desc),
        MultiLineField("WelcomeMsg", &C::WelcomeMsg),
    };
    return fields;
}

// CID and CNumItems with its ID lines are handled apart.
const std::vector<Field<MXCategory>>& CategoryFields() {
    using C = MXCategory;
    static const std::vector<Field<C>> fields = {TextField("CName", &C::Name),
                                                 MultiLineField("CDesc", &C::Desc),
                                                 TextField("CParent", &C::Parent)};
    return fields;
}

// IID and INumVariants with its variant lines are handled apart.
const std::vector<Field<MXItem>>& ItemFields() {
    using I = MXItem;
    static const std::vector<Field<I>> fields = {TextField("ISKU", &I::SKU),
                                                 TextField("IName", &I::Name),
                                                 FloatField("IPrice", &I::Price),
                                                 FloatField("IFS", &I::FlatShip),
                                                 FloatField("IIFS", &I::IntlFlatShip),
                                                 FloatField("IFSM", &I::FlatShipMore),
                                                 FloatField("IIFSM", &I::IntlFlatShipMore),
                                                 BoolField("IuseFS", &I::UseFlatShip),
                                                 BoolField("Inontax", &I::NonTaxable),
                                                 IntField("IItemCount", &I::ItemCount),
                                                 FloatField("IWeight", &I::Weight),
                                                 TextField("IKeywords", &I::Keywords),
                                                 IntField("IDefQty", &I::DefaultQty),
                                                 ByteField("Iqsm", &I::QtySelect),
                                                 TextField("ISDesc", &I::ShortDesc),
                                                 MultiLineField("ILDesc", &I::LongDesc)};
    return fields;
}

// IVariantID is handled apart.
const std::vector<Field<MXVariant>>& VariantFields() {
    using V = MXVariant;
    static const std::vector<Field<V>> fields = {
        TextField("IVariantSKU", &V::SKU), TextField("IVariantName", &V::Name),
        FloatField("IVariantPrice", &V::Price), FloatField("IVariantWeight", &V::Weight)};
    return fields;
}

// ---- Writing ----

class InfoWriter {
public:
    void Line(std::string_view key, std::string_view value) {
        out_.append(key).append("=").append(value).append("\r\n");
    }
    void Count(std::string_view key, size_t n) {
        Line(key, std::to_string(static_cast<int32_t>(n)));
    }
    void Plain(std::string_view text) { out_.append(text).append("\r\n"); }
    template <class R>
    void Fields(const std::vector<Field<R>>& fields, const R& record) {
        for (const Field<R>& f : fields) Line(f.key, f.Format(record));
    }
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

struct Entry {
    std::string_view key, value;
};

// Splits at the first "="; false for a line without one.
bool Split(std::string_view line, Entry& entry) {
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    entry = {line.substr(0, eq), line.substr(eq + 1)};
    return true;
}

// A section ends at the end of the file or at its marker; any other line without "=" fails.
enum class Next { Entry, Marker, EndOfFile, Fail };

Next NextEntry(LineReader& lines, std::string_view marker, Entry& entry) {
    std::string_view line;
    if (!lines.Next(line)) return Next::EndOfFile;
    if (Split(line, entry)) return Next::Entry;
    return line == marker ? Next::Marker : Next::Fail;
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
            if (e.key == "Template") {
                std::string name(e.value);
                if (templateExists_ && templateExists_(name)) catalog_.Template = name;
            } else if (e.key == "NumCats") {
                if (!ReadCategories()) return false;
            } else if (e.key == "NumItems") {
                if (!ReadItems()) return false;
            } else if (const Field<MXCatalog>* f = FindField(SettingFields(), e.key)) {
                f->Assign(catalog_, e.value);
            }
        }
        return true;
    }

private:
    bool ReadCategories() {
        std::string id;
        Entry e;
        Next next;
        while ((next = NextEntry(lines_, "CEND", e)) == Next::Entry) {
            if (e.key == "CID") {
                id = e.value;
                catalog_.Categories[id].ID = id;
            } else if (e.key == "CNumItems") {
                // The next n lines are item IDs, whatever they hold, normalised to decimal.
                auto& itemIds = catalog_.Categories[id].ItemIDs;
                std::string_view line;
                for (int32_t n = ToInt(e.value); n > 0 && lines_.Next(line); --n)
                    itemIds.push_back(std::to_string(ToInt(line)));
            } else if (const Field<MXCategory>* f = FindField(CategoryFields(), e.key)) {
                f->Assign(catalog_.Categories[id], e.value);
            }
        }
        return next != Next::Fail;  // the marker or the end of the file
    }

    bool ReadItems() {
        std::string itemId, variantId;  // the variant ID carries over from item to item
        Entry e;
        Next next;
        while ((next = NextEntry(lines_, "IEND", e)) == Next::Entry) {
            if (e.key == "IID") {
                itemId = e.value;
                catalog_.Items[itemId].ID = itemId;
            } else if (e.key == "INumVariants") {
                // The count is not trusted: IVEND ends the variants.
                Next end = ReadVariants(itemId, variantId);
                if (end != Next::Marker) return end == Next::EndOfFile;
            } else if (const Field<MXItem>* f = FindField(ItemFields(), e.key)) {
                f->Assign(catalog_.Items[itemId], e.value);
            }
        }
        return next != Next::Fail;
    }

    Next ReadVariants(const std::string& itemId, std::string& variantId) {
        Entry e;
        Next next;
        while ((next = NextEntry(lines_, "IVEND", e)) == Next::Entry) {
            if (e.key == "IVariantID") {
                variantId = e.value;
                catalog_.Items[itemId].Variants[variantId].ID = variantId;
            } else if (const Field<MXVariant>* f = FindField(VariantFields(), e.key)) {
                f->Assign(catalog_.Items[itemId].Variants[variantId], e.value);
            }
        }
        return next;
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
    w.Fields(SettingFields(), c);

    w.Count("NumCats", c.Categories.size());
    for (const auto& [id, category] : c.Categories) {
        w.Line("CID", id);  // the key, even where a record's ID field is empty
        w.Fields(CategoryFields(), category);
        w.Count("CNumItems", category.ItemIDs.size());
        for (const std::string& itemId : category.ItemIDs) w.Plain(itemId);
    }
    w.Plain("CEND");

    w.Count("NumItems", c.Items.size());
    for (const auto& [id, item] : c.Items) {
        w.Line("IID", id);
        w.Fields(ItemFields(), item);
        w.Count("INumVariants", item.Variants.size());
        for (const auto& [variantId, variant] : item.Variants) {
            w.Line("IVariantID", variantId);
            w.Fields(VariantFields(), variant);
        }
        w.Plain("IVEND");
    }
    w.Plain("IEND");
    return w.Take();
}

bool ReadInfo(std::string_view text, MXCatalog& catalog,
              const std::function<bool(const std::string&)>& templateExists) {
    return InfoReader(text, catalog, templateExists).Read();
}

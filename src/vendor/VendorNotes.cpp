#include "VendorNotes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "HttpClient.h"
#include "VendorServer.h"
#include "catalog/Version.h"

namespace {

constexpr long kNotesTimeoutMs = 10000;

// The text between a begin and an end marker, each found at its first occurrence. The text starts
// one character after the begin marker, skipping the line feed that should stand there.
std::optional<std::string> Block(const std::string& text, const std::string& begin,
                                 const std::string& end) {
    size_t b = text.find(begin), e = text.find(end);
    if (b == std::string::npos || e == std::string::npos) return std::nullopt;
    size_t start = b + begin.size() + 1;
    return start < e ? text.substr(start, e - start) : std::string();
}

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& text) {
    auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

// A decimal number such as "1.01", allowing blanks around it; nothing for any other text.
std::optional<double> ReadNumber(const std::string& text) {
    std::string digits = Trim(text);
    double value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Inserts after any equal entries, so the list stays in byte-wise order.
void InsertSorted(std::vector<std::string>& list, const std::string& name) {
    list.insert(std::upper_bound(list.begin(), list.end(), name), name);
}

}  // namespace

std::string DefaultNotesText(const std::string& vendorServerUrl) {
    return "Thank you for using Zelmo Marlix from Zelmo Krant. For the latest information on our "
           "products and services, please visit us online at " +
           vendorServerUrl + "/";
}

VendorNotes ReadNotesReply(const std::string& body, const std::string& defaultText) {
    VendorNotes notes{defaultText, {}};
    std::string text = body;
    std::erase(text, '\r');

    if (auto note = Block(text, "BEGINNOTE", "ENDNOTE")) notes.notesText = Trim(*note);

    // The line feed before the end marker is not part of the version.
    if (auto version = Block(text, "BEGINVERSION", "ENDVERSION")) {
        if (!version->empty()) version->pop_back();
        // A version that is no number announces nothing; the rest of the notes still shows.
        std::optional<double> newest = ReadNumber(*version);
        if (newest && *newest > *ReadNumber(kProgramVersion))
            notes.notesText += "\n\nYour copy of Zelmo Marlix is out of date. To get version " +
                               *version + ", please visit our website.\n";
    }

    if (auto names = Block(text, "BEGINTEMPLATES", "ENDTEMPLATES")) {
        size_t at = 0;
        // A last name without its line feed still counts as a name.
        while (at < names->size()) {
            size_t lf = std::min(names->find('\n', at), names->size());
            InsertSorted(notes.templates, names->substr(at, lf - at));
            at = lf + 1;
        }
    }
    return notes;
}

bool FetchVendorNotes(const std::string& vendorServerUrl, VendorNotes& notes, std::string* error) {
    std::string body;
    if (!HttpClient(kNotesTimeoutMs).GetText(vendorServerUrl + kNotesFilePath, body, error))
        return false;
    notes = ReadNotesReply(body, DefaultNotesText(vendorServerUrl));
    return true;
}

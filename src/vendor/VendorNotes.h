#pragma once

#include <string>
#include <vector>

// What the vendor's notes file tells the user: the text of the notes window and the templates
// offered for download.
struct VendorNotes {
    std::string notesText;  // the note (or the default text) and any out-of-date notice
    std::vector<std::string> templates;  // ascending byte-wise; empty lines give empty entries
};

// The notes window's text when the notes file carries no note.
std::string DefaultNotesText(const std::string& vendorServerUrl);

// Reads a reply body of the notes file. The note, version and templates blocks are each used only
// when both their markers occur; a missing block leaves its part as it was. `defaultText` is the
// notes text before the note block replaces it.
VendorNotes ReadNotesReply(const std::string& body, const std::string& defaultText);

// Fetches the notes file from the vendor's server (time-out 10 s) and reads it. False with the
// reason in `error` when the request fails.
bool FetchVendorNotes(const std::string& vendorServerUrl, VendorNotes& notes,
                      std::string* error = nullptr);

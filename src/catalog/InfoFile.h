#pragma once

#include <functional>
#include <string>
#include <string_view>

class MXCatalog;

// The `info` file: every setting, then the categories, then the items with their variants, one
// "Key=value" entry per CR LF line, with the markers CEND, IVEND and IEND closing the sections.

// The whole file as written for `catalog`, always in the same order.
std::string WriteInfo(const MXCatalog& catalog);

// Reads `text` into `catalog`, which must be freshly reset and hold no records. Settings may come
// in any order; unknown keys are ignored. `templateExists` decides whether a `Template` value is
// kept. False on a line without "=" where no marker may stand, or on a wrong marker; the records
// read so far then stay in `catalog` for the caller to discard.
bool ReadInfo(std::string_view text, MXCatalog& catalog,
              const std::function<bool(const std::string&)>& templateExists);

// Multi-line texts are stored on one line: each CR LF pair becomes one TAB, and back.
std::string FlattenLineBreaks(std::string_view text);
std::string RestoreLineBreaks(std::string_view text);

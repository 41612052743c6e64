#pragma once

#include <string>
#include <string_view>

// Formats `number` with a print mask: a C printf format holding at most one floating conversion
// (%f, %e, %g, %a and their capitals, with flags, a width and a precision of at most two digits
// each, and an optional "l"), plus any text and "%%". False for any other mask, which would make
// printf misread its argument.
bool KaloFormatMask(std::string_view mask, float number, std::string& out);

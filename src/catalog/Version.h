#pragma once

// The program's own version: shown at start-up, compared with a template's required version and
// with the newest version the vendor announces.
inline constexpr const char kProgramVersion[] = "1.00";

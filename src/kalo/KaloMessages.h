#pragma once

#include <string>
#include <string_view>

// The message of a run status code, with "%s" filled by `argument`; empty for codes without one.
std::string KaloMessage(int code, std::string_view argument);

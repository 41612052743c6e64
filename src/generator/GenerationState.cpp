#include "GenerationState.h"

void GenerationState::recordScriptResult(int code, const std::string& templatePath) {
    if (scriptErrorCode < 0) return;
    scriptErrorCode = code;
    if (code >= 0) return;
    // The page's file name as the desktop shows it: after the last "\" or ":" once every "/"
    // has become "\".
    std::string name = templatePath;
    for (char& c : name)
        if (c == '/') c = '\\';
    const size_t cut = name.find_last_of("\\:");
    scriptErrorLocation = cut == std::string::npos ? name : name.substr(cut + 1);
}

// marlix kalo: runs a KALO program file, the template author's tool for trying a script.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "CliCommand.h"
#include "kalo/KaloInterpreter.h"

namespace {

int RunKalo(const CliContext& context, const std::vector<std::string>& args);

const CliCommand kKalo{"kalo", "kalo [-D SIGILNAME=VALUE]... FILE",
                       "run a KALO program: PRINT to standard output, errors to standard error",
                       RunKalo};
const CliCommandRegistration registration(kKalo);

bool WholeNumber(const std::string& text, float& number) {
    if (text.empty()) return false;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    if (*end != '\0') return false;
    number = static_cast<float>(value);
    return true;
}

// "-D" definitions: the sigil gives the type; an array element ("&NAME::KEY") or a "?" name is a
// number when its value reads whole as a number, else a text.
bool Define(KaloInterpreter& interpreter, const std::string& definition) {
    size_t equals = definition.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    std::string name = definition.substr(0, equals);
    std::string value = definition.substr(equals + 1);
    float number = 0;
    switch (name[0]) {
        case '$': return interpreter.defineText(name, value);
        case '%': return WholeNumber(value, number) && interpreter.defineNumber(name, number);
        case '@':
            if (value == "true" || value == "TRUE" || value == "1")
                return interpreter.defineBool(name, true);
            if (value == "false" || value == "FALSE" || value == "0")
                return interpreter.defineBool(name, false);
            return false;
        case '&':
        case '?':
            if (WholeNumber(value, number)) return interpreter.defineNumber(name, number);
            return interpreter.defineText(name, value);
        default: return false;
    }
}

int RunKalo(const CliContext&, const std::vector<std::string>& args) {
    KaloInterpreter interpreter;
    std::string file;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string definition;
        if (args[i] == "-D" && i + 1 < args.size()) {
            definition = args[++i];
        } else if (args[i].rfind("-D", 0) == 0 && args[i].size() > 2) {
            definition = args[i].substr(2);
        } else if (file.empty() && !(args[i].size() > 1 && args[i][0] == '-')) {
            file = args[i];
            continue;
        } else {
            return UsageError(kKalo, "kalo takes -D definitions and one program file");
        }
        if (!Define(interpreter, definition))
            return UsageError(kKalo, "cannot define " + definition);
    }
    if (file.empty()) return UsageError(kKalo, "kalo needs a program file");

    KaloFileInput input(stdin);
    KaloFileOutput output(stdout);
    KaloFileOutput error(stderr);
    int status = interpreter.runProgram(KaloProgramSource::file(file), {&input, &output, &error});
    return status == 1 ? 0 : std::abs(status);
}

}  // namespace

// marlix templates: the package names of the template library, one per line.

#include <cstdio>

#include "CliCommand.h"
#include "generator/TemplateLibrary.h"

namespace {

int RunTemplates(const CliContext& context, const std::vector<std::string>& args);

const CliCommand kTemplates{"templates", "templates",
                            "list the template packages of the template library", RunTemplates};
const CliCommandRegistration registration(kTemplates);

int RunTemplates(const CliContext& context, const std::vector<std::string>& args) {
    if (!args.empty()) return UsageError(kTemplates, "templates takes no arguments");
    for (const std::string& name : listTemplates(context.home)) std::printf("%s\n", name.c_str());
    return 0;
}

}  // namespace

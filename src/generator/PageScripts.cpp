#include "PageScripts.h"

#include <ctime>

#include "ScriptVariables.h"
#include "kalo/KaloGlobals.h"
#include "kalo/KaloOutput.h"

PageScripts::PageScripts(const MXCatalog& catalog, const GenerationState& state,
                         const DataFolderIndex& data, const std::atomic<bool>& running)
    : catalog_(catalog), state_(state), data_(data), input_(stdin) {
    interpreter_.setCancelCheck([&running] { return !running.load(); });
}

int PageScripts::run(const std::string& script, const std::string& categoryId,
                     const std::string& itemId, std::string& page) {
    if (!prepared_) {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        auto globals = std::make_shared<KaloGlobals>();
        defineRunVariables(*globals, catalog_, state_, data_, local.tm_year + 1900);
        interpreter_.setGlobals(std::move(globals));
        prepared_ = true;
    }
    definePageVariables(interpreter_, categoryId, itemId);
    KaloStringOutput out(page);
    return interpreter_.runProgram(KaloProgramSource::fromText(script),
                                   KaloStreams{&input_, &out, &out});
}

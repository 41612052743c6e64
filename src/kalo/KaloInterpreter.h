#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "kalo/KaloGlobalScope.h"
#include "kalo/KaloGlobals.h"
#include "kalo/KaloInput.h"
#include "kalo/KaloOutput.h"
#include "kalo/KaloToken.h"
#include "kalo/KaloVariableDefiner.h"

// Where a run's program text comes from. The first source given wins: a file name, an open
// stream read up to "ENDKALO", a text in memory; with none, the run prompts for a file name.
struct KaloProgramSource {
    std::string fileName;
    std::FILE* stream = nullptr;
    std::optional<std::string_view> text;

    static KaloProgramSource file(std::string name) { return {std::move(name), nullptr, {}}; }
    static KaloProgramSource fromStream(std::FILE* stream) { return {{}, stream, {}}; }
    static KaloProgramSource fromText(std::string_view text) { return {{}, nullptr, text}; }
};

// The streams of one run. Output and error may be the same sink: the report then follows the
// program's text in order. A missing sink discards what would go there; missing input reads as
// an exhausted stream.
struct KaloStreams {
    KaloInput* input = nullptr;
    KaloOutput* output = nullptr;
    KaloOutput* error = nullptr;
};

// The KALO interpreter: one object per thread that runs scripts. Runs never overlap on one
// object; two objects share nothing (the random-number state is the object's own), so two
// threads may each run their own, over the same prepared globals.
//
// Typical host, per script block:
//   interpreter.setGlobals(catalogGlobals);          // once: shared, not copied
//   interpreter.defineText("$THISPAGE", pageName);   // a few variables of this run only
//   std::string page;  KaloStringOutput out(page);
//   int status = interpreter.runText(script, out);   // 1: ended normally; < 0: error code
class KaloInterpreter : public KaloVariableDefiner {
public:
    static constexpr const char* kVersion = "1.3.3";
    // Nesting of evaluation (calls inside calls, expressions inside expressions) beyond this
    // stops the run with kErrorTooDeep instead of exhausting the machine stack.
    static constexpr int kDefaultDepthLimit = 4000;  // about 1 MB of machine stack
    static constexpr int kErrorTooDeep = -37;

    KaloInterpreter();
    ~KaloInterpreter() override;
    KaloInterpreter(const KaloInterpreter&) = delete;
    KaloInterpreter& operator=(const KaloInterpreter&) = delete;

    // The prepared globals every following run sees (null: none). They stay attached until
    // replaced; a run's changes to them are discarded when it ends.
    void setGlobals(std::shared_ptr<const KaloGlobals> globals);
    // A global variable of the next run only (the run destroys it when it ends).
    bool defineVariable(std::string_view name, char type, float number, std::string_view text,
                        bool truth) override;
    // Asked at every loop pass and every call; when it answers true the run stops quietly, as
    // with HALT (status 1).
    void setCancelCheck(std::function<bool()> cancelled) { cancelled_ = std::move(cancelled); }
    void setDepthLimit(int levels) { depthLimit_ = levels; }

    // Runs one program: 1 when it ended normally (HALT, its end, the end of \START, or a cancel),
    // otherwise the negative error code whose report went to the error sink. Sinks are flushed
    // when the run ends.
    int runProgram(const KaloProgramSource& source, const KaloStreams& streams);
    // Runs a program text with output and error both into `out` and no input.
    int runText(std::string_view program, KaloOutput& out);

    // The last run's status: 0 before the first run, 2 while running.
    int status() const { return status_; }

    // ---- for the interpreter's own passes ----
    // Records the first failure (or HALT, code 1) of a run and writes its report.
    void raiseStatus(int code, std::string_view argument = {});
    bool running() const { return status_ == 2; }
    void setCurrentToken(const KaloToken* token) { current_ = token; }
    bool cancelRequested() const { return cancelled_ && cancelled_(); }
    int depthLimit() const { return depthLimit_; }
    KaloOutput& output() { return *output_; }
    KaloInput* input() { return input_; }
    KaloGlobalScope& globals() { return globals_; }
    uint64_t newTableId() { return ++lastTableId_; }
    // Bumped whenever a variable's place can change (an erase, an insert into the globals), so
    // the places remembered on tokens are looked up again.
    uint64_t generation() const { return generation_; }
    void bumpGeneration() { ++generation_; }
    void seedRandom(uint32_t seed) { random_ = seed; }
    int nextRandom();

private:
    bool loadText(const KaloProgramSource& source, std::string& text);

    int status_ = 0;
    const KaloToken* current_ = nullptr;
    std::function<bool()> cancelled_;
    int depthLimit_ = kDefaultDepthLimit;
    KaloInput* input_ = nullptr;
    KaloOutput* output_ = nullptr;
    KaloOutput* error_ = nullptr;
    uint64_t lastTableId_ = 0;
    uint64_t generation_ = 0;
    uint32_t random_ = 0;
    KaloGlobalScope globals_;
};

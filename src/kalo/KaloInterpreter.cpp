#include "kalo/KaloInterpreter.h"

#include <ctime>
#include <deque>

#include "kalo/KaloEvaluator.h"
#include "kalo/KaloLayout.h"
#include "kalo/KaloLexer.h"
#include "kalo/KaloMessages.h"

namespace {

class DiscardOutput : public KaloOutput {
public:
    void write(std::string_view) override {}
};

bool ReadFile(const std::string& name, std::string& text) {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return false;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, n);
    std::fclose(file);
    return true;
}

// Reads a template's script up to and including "ENDKALO", then consumes the white space after
// it, the first other character and two more (the rest of the HTML comment's closing "-->").
void ReadUpToEnd(std::FILE* stream, std::string& text) {
    static constexpr std::string_view kEnd = "ENDKALO";
    int c;
    while ((c = std::fgetc(stream)) != EOF) {
        text.push_back(static_cast<char>(c));
        if (text.size() >= kEnd.size() && text.compare(text.size() - kEnd.size(), kEnd.size(), kEnd) == 0)
            break;
    }
    if (c == EOF) return;
    do c = std::fgetc(stream);
    while (c == ' ' || (c >= '\t' && c <= '\r'));
    for (int more = 0; more < 2 && c != EOF; ++more) c = std::fgetc(stream);
}

}  // namespace

KaloInterpreter::KaloInterpreter() : lastTableId_(1), globals_(1, generation_) {}

KaloInterpreter::~KaloInterpreter() = default;

void KaloInterpreter::setGlobals(std::shared_ptr<const KaloGlobals> globals) {
    globals_.setBase(std::move(globals));
    ++generation_;
}

bool KaloInterpreter::defineVariable(std::string_view name, char type, float number,
                                     std::string_view text, bool truth) {
    std::string storedName;
    KaloValue value;
    if (!prepareDefinition(name, type, number, text, truth, storedName, value)) return false;
    KaloValue* existing = globals_.findWritable(storedName);
    if (existing && existing->type() != value.type()) return false;
    if (existing) *existing = std::move(value);
    else globals_.insert(storedName, std::move(value));
    return true;
}

int KaloInterpreter::nextRandom() {
    random_ = random_ * 22695477u + 1u;
    return static_cast<int>((random_ >> 16) & 32767u);
}

void KaloInterpreter::raiseStatus(int code, std::string_view argument) {
    if (status_ != 2) return;
    status_ = code;
    if (code == 1 || !error_) return;
    std::string report = "\n_KALO_ version: ";
    report.append(kVersion).append(" ***ERROR***\n");
    if (current_ && code != -10 && code != -11)
        report.append("Line ").append(std::to_string(current_->line)).append(": ");
    report.append(KaloMessage(code, argument));
    report.append("Failure: Halting... \n");
    error_->write(report);
}

bool KaloInterpreter::loadText(const KaloProgramSource& source, std::string& text) {
    std::string fileName = source.fileName;
    if (fileName.empty() && source.stream) {
        ReadUpToEnd(source.stream, text);
        return true;
    }
    if (fileName.empty() && source.text) {
        text.assign(*source.text);
        return true;
    }
    if (fileName.empty()) {
        output_->write("Program file name: ");
        output_->flush();
        if (input_) input_->readLine(fileName);
        output_->write("\n\n");
    }
    if (ReadFile(fileName, text)) return true;
    raiseStatus(-11, fileName);
    return false;
}

int KaloInterpreter::runProgram(const KaloProgramSource& source, const KaloStreams& streams) {
    DiscardOutput discard;
    input_ = streams.input;
    output_ = streams.output ? streams.output : &discard;
    error_ = streams.error ? streams.error : &discard;
    current_ = nullptr;
    seedRandom(static_cast<uint32_t>(std::time(nullptr)));
    status_ = 2;

    std::string text;
    if (loadText(source, text)) {
        std::deque<KaloToken> tokens;
        std::vector<KaloToken*> lexed = KaloLex(*this, text, tokens);
        std::string().swap(text);  // the text is not needed past the lexer
        if (running()) KaloMarkComments(*this, lexed);
        KaloToken* head = running() ? KaloLayOut(*this, lexed, tokens) : nullptr;
        if (running()) KaloEvaluator(*this, head).run();
        current_ = nullptr;
    }
    globals_.reset();
    output_->flush();
    if (error_ != output_) error_->flush();
    input_ = nullptr;
    output_ = error_ = nullptr;
    if (status_ == 2) status_ = 1;
    return status_;
}

int KaloInterpreter::runText(std::string_view program, KaloOutput& out) {
    return runProgram(KaloProgramSource::fromText(program), {nullptr, &out, &out});
}

#include "kalo/KaloLexer.h"

#include <string>
#include <unordered_map>

#include "kalo/KaloInterpreter.h"

namespace {

using namespace KaloClass;

// The classic C character classes of 7-bit ASCII; every other byte counts as a word character.
bool IsSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsPunct(unsigned char c) {
    return c > ' ' && c < 127 && !(c >= '0' && c <= '9') && !(c >= 'A' && c <= 'Z') &&
           !(c >= 'a' && c <= 'z');
}
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

const std::unordered_map<std::string_view, int>& ExactTexts() {
    static const std::unordered_map<std::string_view, int> texts = {
        {"[", kBlockBegin}, {"(", kOpen}, {"#", kComment}, {":=", kAssignMark},
        {"BREAK", kBreak}, {"CONTINUE", kContinue}, {"FOR", kFor}, {"TO", kTo},
        {"STEP", kStep}, {"SORT", kSort}, {"KEYS", kKeys}, {"VALUES", kValues}, {"OF", kOf},
        {"BY", kBy}, {"IF", kIf}, {"THEN", kThen}, {"ELSE", kElse}, {"KYBD", kKybd},
        {"PRINT", kPrint}, {"P", kPrint}, {"PRINTLN", kPrintln}, {"PRINTCR", kPrintln},
        {"PLN", kPrintln}, {"PCR", kPrintln}, {"MASK", kMask}, {"M", kMask}, {"SET", kSet},
        {"TYPE", kType}, {"WHILE", kWhile}, {"DO", kDo}, {"ZAP", kZap}, {"HALT", kHalt},
        {"==", kEqual}, {"!=", kNotEqual}, {">", kGreater}, {">=", kGreaterEqual},
        {"<", kLess}, {"<=", kLessEqual}, {"&&", kAnd}, {"AND", kAnd}, {"||", kOr},
        {"OR", kOr}, {"^^", kXor}, {"XOR", kXor}, {"+", kPlus}, {"-", kMinus},
        {"*", kTimes}, {"%%", kRemainder}, {"/", kDivide}, {"^", kCaret}, {")", kClose},
        {"]", kBlockEnd}, {"GLOBAL", kGlobal}, {"!", kNot}, {"INT", kInt}, {"FLOAT", kFloat},
        {"STRING", kString}, {"BOOL", kBool}, {"LENGTH", kLength}, {"LEN", kLength},
        {"RANDOMSEED", kRandomSeed}, {"RND", kRnd}, {"UPPER", kUpper}, {"U", kUpper},
        {"LOWER", kLower}, {"L", kLower}, {"DEFINED", kDefined}, {"DEF", kDefined},
        {"RETURN", kReturn}, {"RETYPE", kRetype}, {"SUBSTR", kSubstr}, {",", kComma},
    };
    return texts;
}

class Lexer {
public:
    Lexer(KaloInterpreter& interpreter, std::string_view text, std::deque<KaloToken>& store)
        : interpreter_(interpreter), store_(store) {
        // The loaded text, a line feed, and zero bytes so that looking ahead never leaves it.
        buffer_.reserve(text.size() + 17);
        buffer_.append(text);
        buffer_.push_back('\n');
        textEnd_ = buffer_.size();
        buffer_.append(16, '\0');
    }

    std::vector<KaloToken*> run() {
        skipSpace();
        while (!failed_ && buffer_[at_ + 1] != '\0') step();
        // The pending token, if any, is dropped: a word that ends the text is lost.
        KaloToken& halt = make("HALT");
        halt.line = line_ + 1;
        return std::move(tokens_);
    }

private:
    unsigned char current() const { return static_cast<unsigned char>(buffer_[at_]); }

    void skipSpace() {
        while (IsSpace(current())) consume();
    }
    void consume() {
        if (buffer_[at_] == '\n') ++line_;
        ++at_;
    }

    KaloToken& make(std::string text) {
        KaloToken& token = store_.emplace_back();
        token.cls = KaloClassify(text);
        token.text = std::move(text);
        token.line = line_;
        tokens_.push_back(&token);
        return token;
    }
    void complete() {
        if (pending_.empty()) return;
        make(std::move(pending_));
        pending_.clear();
    }

    void step() {
        unsigned char c = current();
        if (c == '"') return literal();
        if (!IsSpace(c) && !IsPunct(c)) {
            pending_.push_back(Upper(static_cast<char>(c)));
            consume();
            if (current() == '"') complete();
            return;
        }
        if (IsSpace(c)) {
            consume();  // a word that ends its line takes the next line's number
            complete();
            skipSpace();
            return;
        }
        switch (c) {
            case ';':
                consume();
                skipSpace();
                complete();
                return;
            case '$': case '.': case '?': case '@': case '\\':
                pending_.push_back(static_cast<char>(c));
                consume();
                return;
            case '%': case '&':
                if (!pending_.empty() && static_cast<unsigned char>(pending_[0]) != c) complete();
                pending_.push_back(static_cast<char>(c));
                consume();
                if (current() == c) {
                    pending_.push_back(static_cast<char>(c));
                    consume();
                    complete();
                }
                return;
            case '!': case '<': case '=': case '>':
                return operatorToken(c, '=', '=');
            case ':':
                return operatorToken(c, '=', ':');
            case '^': case '|':
                return operatorToken(c, c, c);
            default:
                complete();
                consume();
                make(std::string(1, static_cast<char>(c)));
                return;
        }
    }

    // A one-character operator that takes one following `second` or `third`.
    void operatorToken(unsigned char c, char second, char third) {
        complete();
        std::string text(1, static_cast<char>(c));
        consume();
        if (buffer_[at_] == second || buffer_[at_] == third) {
            text.push_back(buffer_[at_]);
            consume();
        }
        make(std::move(text));
    }

    void literal() {
        pending_.push_back('"');
        ++at_;
        for (;;) {
            if (at_ >= textEnd_) return unterminated();
            char c = buffer_[at_];
            if (c == '"') {
                ++at_;
                complete();
                return;
            }
            if (c == '\n') return unterminated();
            if (c != '\\') {
                pending_.push_back(c);
                ++at_;
                continue;
            }
            switch (buffer_[at_ + 1]) {
                case 'n': pending_.push_back('\n'); at_ += 2; break;
                case 'r': pending_.push_back('\r'); at_ += 2; break;
                case 't': pending_.push_back('\t'); at_ += 2; break;
                case '"': pending_.push_back('"'); at_ += 2; break;
                case '\n': ++line_; at_ += 2; break;
                default: ++at_; break;  // the backslash is dropped, the character taken as it comes
            }
        }
    }

    void unterminated() {
        KaloToken where;
        where.line = line_;
        interpreter_.setCurrentToken(&where);
        interpreter_.raiseStatus(-32);
        interpreter_.setCurrentToken(nullptr);
        failed_ = true;
    }

    KaloInterpreter& interpreter_;
    std::deque<KaloToken>& store_;
    std::vector<KaloToken*> tokens_;
    std::string buffer_;
    size_t textEnd_ = 0;
    size_t at_ = 0;
    int line_ = 1;
    std::string pending_;
    bool failed_ = false;
};

}  // namespace

int KaloClassify(std::string_view text) {
    auto exact = ExactTexts().find(text);
    if (exact != ExactTexts().end()) return exact->second;
    if (text.empty()) return kIdentifier;
    switch (text[0]) {
        case '$': case '%': case '@': case '?': case '&': return kVariable;
        case '"': return kLiteral;
        default: break;
    }
    if (text == "TRUE" || text == "FALSE") return kLiteral;
    if (text[0] == '+' || text[0] == '-' || text[0] == '.' || (text[0] >= '0' && text[0] <= '9'))
        return kLiteral;
    if (text[0] == '\\') return kLabel;
    return kIdentifier;
}

std::vector<KaloToken*> KaloLex(KaloInterpreter& interpreter, std::string_view text,
                                std::deque<KaloToken>& store) {
    return Lexer(interpreter, text, store).run();
}

void KaloMarkComments(KaloInterpreter& interpreter, const std::vector<KaloToken*>& tokens) {
    int depth = 0;
    int remembered = 0;
    bool inComment = false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        KaloToken* token = tokens[i];
        if (token->cls == kBlockBegin) {
            ++depth;
        } else if (token->cls == kComment) {
            if (i + 1 >= tokens.size() || tokens[i + 1]->cls != kBlockBegin) {
                interpreter.setCurrentToken(token);
                interpreter.raiseStatus(-4, "COMMENT");
                return;
            }
            remembered = depth;
            ++depth;
            ++i;
            inComment = true;
        } else if (token->cls == kBlockEnd) {
            --depth;
            if (depth == remembered) inComment = false;
        } else if (inComment) {
            token->cls = kNeutral;
        }
    }
}

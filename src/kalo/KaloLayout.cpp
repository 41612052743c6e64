#include "kalo/KaloLayout.h"

#include "kalo/KaloInterpreter.h"

namespace {

using namespace KaloClass;

bool IsStatementKeyword(int c) {
    return (c >= kAssignMark && c <= kElse) || (c >= kSet && c <= kHalt) || c == kGlobal ||
           c == kReturn;
}
bool IsBinary(int c) { return c >= kEqual && c <= kCaret; }
bool IsOneOperandBuiltin(int c) { return c >= kInt && c <= kDefined; }
bool IsMultiArgumentCall(int c) { return c == kRetype || c == kSubstr || c == kIdentifier; }
bool IsOperand(int c) { return c == kVariable || c == kLiteral; }
bool EndsOperand(int c) { return c == kClose || IsOperand(c); }

class Layout {
public:
    Layout(KaloInterpreter& interpreter, std::deque<KaloToken>& store)
        : interpreter_(interpreter), store_(store) {}

    KaloToken* run(const std::vector<KaloToken*>& tokens) {
        KaloToken& head = store_.emplace_back();
        head.line = 1;
        tail_ = &head;
        previous_ = tokens.empty() ? kNeutral : tokens[0]->cls;
        for (size_t i = 0; i < tokens.size() && !failed_; ++i) {
            KaloToken* token = tokens[i];
            token->next = nullptr;
            int cls = token->cls;
            int handledAs = cls;
            if (IsStatementKeyword(cls)) {
                flush(token);
                append(token);
            } else if (cls == kLabel) {
                // A function head: the label and its parameters, without ( ) and commas, up to
                // its body's "[".
                flush(token);
                append(token);
                while (++i < tokens.size()) {
                    KaloToken* part = tokens[i];
                    part->next = nullptr;
                    handledAs = part->cls;
                    if (part->cls != kOpen && part->cls != kClose && part->cls != kComma)
                        append(part);
                    if (part->cls == kBlockBegin) break;
                }
            } else if ((IsOneOperandBuiltin(cls) || cls == kRetype || cls == kSubstr) &&
                       previous_ == kBy && (i + 1 >= tokens.size() || tokens[i + 1]->cls != kOpen)) {
                fail(token, -33);
            } else if (cls == kNot) {
                marks_.push_back('!');
            } else if (cls == kMinus && previous_ == kNegate) {
                fail(token, -21);
            } else if (cls == kMinus && previous_ != kBlockEnd && !EndsOperand(previous_)) {
                marks_.push_back('-');
                handledAs = kNegate;
            } else if (cls == kOpen) {
                takeMarks(token);
                operators_.push_back(token);
            } else if (IsBinary(cls)) {
                takeMarks(token);
                reduceAndPush(token);
            } else if (IsOneOperandBuiltin(cls) || IsMultiArgumentCall(cls)) {
                if (EndsOperand(previous_)) flush(token);
                takeMarks(token);
                token->argumentCount = 0;
                reduceAndPush(token);
            } else if (IsOperand(cls)) {
                takeMarks(token);
                if (EndsOperand(previous_)) flush(token);
                operands_.push_back({token, token});
            } else if (cls == kClose) {
                close(token);
            } else if (cls == kComma) {
                comma(token);
            } else {
                flush(token);
                append(token);
            }
            // A run of "!" and unary minus marks the next operand, "(", operator or call with
            // all of them; anything else drops them.
            if (handledAs != kNot && handledAs != kNegate) marks_.clear();
            previous_ = handledAs;
        }
        if (!failed_) flush(tokens.empty() ? &head : tokens.back());
        if (!failed_) insertUnaryTokens(&head);
        return &head;
    }

private:
    struct Chain {
        KaloToken* head;
        KaloToken* tail;
    };

    void fail(const KaloToken* where, int code) {
        interpreter_.setCurrentToken(where);
        interpreter_.raiseStatus(code);
        failed_ = true;
    }

    void append(KaloToken* token) {
        tail_->next = token;
        tail_ = token;
        token->next = nullptr;
    }

    void takeMarks(KaloToken* token) {
        if (!marks_.empty()) token->unary = marks_;
    }

    // Takes one operator off the stack and builds its chain; false (and the run failed) when
    // there is none or it lacks operands.
    bool pop(const KaloToken* laidOut, Chain& chain) {
        if (operators_.empty()) {
            fail(operands_.empty() ? laidOut : operands_.back().head, -20);
            return false;
        }
        KaloToken* op = operators_.back();
        operators_.pop_back();
        chain = {op, op};
        if (IsBinary(op->cls)) {
            if (operands_.size() < 2) {
                fail(op, -20);
                return false;
            }
            Chain right = operands_.back();
            operands_.pop_back();
            Chain left = operands_.back();
            operands_.pop_back();
            join(chain, left);
            join(chain, right);
        } else if (IsOneOperandBuiltin(op->cls)) {
            if (!operands_.empty()) {
                join(chain, operands_.back());
                operands_.pop_back();
            }
        } else if (IsMultiArgumentCall(op->cls)) {
            size_t count = std::min<size_t>(op->argumentCount, operands_.size());
            for (size_t k = operands_.size() - count; k < operands_.size(); ++k)
                join(chain, operands_[k]);
            operands_.resize(operands_.size() - count);
        }
        return true;
    }

    static void join(Chain& chain, const Chain& more) {
        chain.tail->next = more.head;
        chain.tail = more.tail;
    }

    bool popAndPush(const KaloToken* laidOut) {
        Chain chain;
        if (!pop(laidOut, chain)) return false;
        operands_.push_back(chain);
        return true;
    }

    void reduceAndPush(KaloToken* op) {
        if (!operators_.empty() && operators_.back()->cls >= op->cls && !popAndPush(op)) return;
        operators_.push_back(op);
    }

    void flush(const KaloToken* laidOut) {
        while (!operators_.empty())
            if (!popAndPush(laidOut)) return;
        for (const Chain& chain : operands_) {
            tail_->next = chain.head;
            tail_ = chain.tail;
        }
        tail_->next = nullptr;
        operands_.clear();
    }

    // Pops up to the matching "(", which comes off and is dropped.
    bool popToOpen(const KaloToken* laidOut, Chain& open) {
        for (;;) {
            if (!pop(laidOut, open)) return false;
            if (open.head->cls == kOpen) return true;
            operands_.push_back(open);
        }
    }

    void close(KaloToken* token) {
        Chain open;
        if (!popToOpen(token, open)) return;
        KaloToken* paren = open.head;
        // The parenthesis's own marks apply outside those of the operand inside it.
        if (!paren->unary.empty() && !operands_.empty())
            operands_.back().head->unary.insert(0, paren->unary);
        if (operands_.size() >= 2) {
            Chain& array = operands_[operands_.size() - 2];
            if (array.head->cls == kVariable && array.head->text[0] == '&') {
                join(array, operands_.back());
                operands_.pop_back();
            }
        }
        if (operators_.empty()) return;
        KaloToken* top = operators_.back();
        if (IsOneOperandBuiltin(top->cls)) {
            popAndPush(token);
        } else if (IsMultiArgumentCall(top->cls)) {
            top->argumentCount = previous_ == kOpen ? 0 : top->argumentCount + 1;
            popAndPush(token);
        }
    }

    void comma(KaloToken* token) {
        Chain open;
        if (!popToOpen(token, open)) return;
        if (!operators_.empty() && IsMultiArgumentCall(operators_.back()->cls))
            ++operators_.back()->argumentCount;
        operators_.push_back(open.head);
    }

    // Every marked token heads its chain, so a token inserted before it applies to the whole
    // operand; the outermost mark comes first.
    void insertUnaryTokens(KaloToken* head) {
        for (KaloToken* before = head; before->next; before = before->next) {
            KaloToken* marked = before->next;
            if (marked->unary.empty()) continue;
            for (char mark : marked->unary) {
                KaloToken& unary = store_.emplace_back();
                unary.text = std::string(1, mark);
                unary.cls = mark == '-' ? kNegate : kNot;
                unary.line = marked->line;
                before->next = &unary;
                unary.next = marked;
                before = &unary;
            }
        }
    }

    KaloInterpreter& interpreter_;
    std::deque<KaloToken>& store_;
    KaloToken* tail_ = nullptr;
    int previous_ = kNeutral;
    std::string marks_;
    bool failed_ = false;
    std::vector<KaloToken*> operators_;
    std::vector<Chain> operands_;
};

}  // namespace

KaloToken* KaloLayOut(KaloInterpreter& interpreter, const std::vector<KaloToken*>& tokens,
                      std::deque<KaloToken>& store) {
    return Layout(interpreter, store).run(tokens);
}

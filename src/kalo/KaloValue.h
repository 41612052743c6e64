#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// One KALO value: a FLOAT (single precision), a STRING (bytes) or a BOOL, or no type at all (what
// a call yields that ends without RETURN). Control flags carry RETURN, BREAK and CONTINUE outwards
// and mark the error value of a failed run.
//
// Texts are shared, not copied: copying a value shares its bytes. A text that grows by appends
// grows in place when the value appending to it is the one that last extended the shared bytes,
// so SET $S := $S + "x" in a loop never copies $S whole. Frozen values (the prepared globals and
// literals) never grow in place; appending to them starts a new text.
class KaloValue {
public:
    static constexpr char kNone = 0;
    static constexpr char kFloat = '%';
    static constexpr char kString = '$';
    static constexpr char kBool = '@';

    static constexpr uint8_t kReturn = 1;
    static constexpr uint8_t kBreak = 2;
    static constexpr uint8_t kContinue = 4;
    static constexpr uint8_t kAborted = 8;

    KaloValue() = default;  // no type
    static KaloValue number(float value);
    static KaloValue text(std::string_view bytes);
    static KaloValue text(std::string&& bytes);
    static KaloValue truth(bool value);
    // BOOL false with the aborted flag: what every operation yields once a run has failed.
    static KaloValue error();

    char type() const { return type_; }
    bool isNumber() const { return type_ == kFloat; }
    bool isText() const { return type_ == kString; }
    bool isBool() const { return type_ == kBool; }
    float number() const { return number_; }  // FLOAT payload
    bool truth() const { return number_ != 0; }  // BOOL payload
    std::string_view text() const;            // STRING payload; valid until the value changes

    uint8_t flags() const { return flags_; }
    void setFlags(uint8_t flags) { flags_ = flags; }
    void clearFlags() { flags_ = 0; }

    // Conversions between the three types: FLOAT to text by C "%g", text to FLOAT by C strtod
    // (the longest leading number, 0 when none), anything to BOOL by "not 0 / not empty". A value
    // with no type converts to 0, the empty text and false.
    float toNumber() const;
    std::string toText() const;
    bool toBool() const;
    KaloValue converted(char type) const;  // unchanged for a type other than the three

    // The text followed by `more`, growing the shared bytes in place where that is safe.
    void appendText(std::string_view more);
    // This value's text never grows in place (it may be shared with other threads).
    void freeze() { frozen_ = true; }

private:
    char type_ = kNone;
    uint8_t flags_ = 0;
    bool frozen_ = false;
    float number_ = 0;
    std::shared_ptr<std::string> bytes_;  // null for the empty text
    size_t size_ = 0;                     // this value's text is the first size_ bytes
};

// C "%g" of a single-precision number widened to double: 3, 2.5, 1.23457e+06, -0.
std::string KaloFormatNumber(float value);
void KaloAppendNumber(std::string& out, float value);
// C strtod of the longest leading number (white space skipped), rounded to single precision.
float KaloParseNumber(std::string_view text);

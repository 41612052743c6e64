#include "kalo/KaloValue.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "kalo/KaloCLocale.h"

locale_t KaloCLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

namespace {

// Rounds to single precision; numbers beyond its range become infinities (never undefined).
float ToFloat(double d) {
    if (d > FLT_MAX) return INFINITY;
    if (d < -FLT_MAX) return -INFINITY;
    return static_cast<float>(d);
}

}  // namespace

KaloValue KaloValue::number(float value) {
    KaloValue v;
    v.type_ = kFloat;
    v.number_ = value;
    return v;
}

KaloValue KaloValue::text(std::string_view bytes) { return text(std::string(bytes)); }

KaloValue KaloValue::text(std::string&& bytes) {
    KaloValue v;
    v.type_ = kString;
    v.size_ = bytes.size();
    if (!bytes.empty()) v.bytes_ = std::make_shared<std::string>(std::move(bytes));
    return v;
}

KaloValue KaloValue::truth(bool value) {
    KaloValue v;
    v.type_ = kBool;
    v.number_ = value ? 1 : 0;
    return v;
}

KaloValue KaloValue::error() {
    KaloValue v = truth(false);
    v.flags_ = kAborted;
    return v;
}

std::string_view KaloValue::text() const {
    return bytes_ ? std::string_view(bytes_->data(), size_) : std::string_view();
}

float KaloValue::toNumber() const {
    switch (type_) {
        case kFloat:
        case kBool: return number_;
        case kString: return KaloParseNumber(text());
        default: return 0;
    }
}

std::string KaloValue::toText() const {
    switch (type_) {
        case kFloat: return KaloFormatNumber(number_);
        case kBool: return number_ != 0 ? "TRUE" : "FALSE";
        case kString: return std::string(text());
        default: return {};
    }
}

bool KaloValue::toBool() const {
    switch (type_) {
        case kFloat:
        case kBool: return number_ != 0;
        case kString: return size_ != 0;
        default: return false;
    }
}

KaloValue KaloValue::converted(char type) const {
    if (type == type_) {
        KaloValue same = *this;
        same.flags_ = 0;
        return same;
    }
    switch (type) {
        case kFloat: return number(toNumber());
        case kString: return text(toText());
        case kBool: return truth(toBool());
        default: return *this;
    }
}

void KaloValue::appendText(std::string_view more) {
    if (more.empty()) return;
    if (bytes_ && !frozen_ && bytes_->size() == size_) {
        // This value holds the whole shared text: others see only their shorter prefixes.
        if (more.data() >= bytes_->data() && more.data() < bytes_->data() + bytes_->size()) {
            std::string copy(more);
            bytes_->append(copy);
        } else {
            bytes_->append(more);
        }
    } else {
        auto grown = std::make_shared<std::string>();
        grown->reserve(size_ + more.size());
        grown->append(text());
        grown->append(more);
        bytes_ = std::move(grown);
        frozen_ = false;
    }
    size_ += more.size();
}

void KaloAppendNumber(std::string& out, float value) {
    // Whole numbers below a million print as plain integers under "%g"; skip the formatter.
    if (value == std::trunc(value) && std::fabs(value) < 1e6f && !(value == 0 && std::signbit(value))) {
        long n = static_cast<long>(value);
        char digits[16];
        int at = sizeof digits;
        bool negative = n < 0;
        unsigned long u = negative ? -n : n;
        do {
            digits[--at] = static_cast<char>('0' + u % 10);
            u /= 10;
        } while (u != 0);
        if (negative) digits[--at] = '-';
        out.append(digits + at, sizeof digits - at);
        return;
    }
    KaloCLocaleScope c;
    char buffer[32];
    int n = std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    out.append(buffer, n > 0 ? n : 0);
}

std::string KaloFormatNumber(float value) {
    std::string out;
    KaloAppendNumber(out, value);
    return out;
}

float KaloParseNumber(std::string_view text) {
    // strtod needs a terminated text; most number texts are short.
    char small[64];
    std::string large;
    const char* start;
    if (text.size() < sizeof small) {
        text.copy(small, text.size());
        small[text.size()] = '\0';
        start = small;
    } else {
        large.assign(text);
        start = large.c_str();
    }
    return ToFloat(strtod_l(start, nullptr, KaloCLocale()));
}

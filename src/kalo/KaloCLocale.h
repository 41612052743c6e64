#pragma once

#include <locale.h>

// Number texts never follow the user's locale: a template's "2.5" means the same everywhere.
// The "C" locale, made once, for strtod_l and for uselocale around the C formatters.
locale_t KaloCLocale();

// Makes the "C" locale current on this thread for the object's lifetime.
class KaloCLocaleScope {
public:
    KaloCLocaleScope() : previous_(uselocale(KaloCLocale())) {}
    ~KaloCLocaleScope() { uselocale(previous_); }
    KaloCLocaleScope(const KaloCLocaleScope&) = delete;
    KaloCLocaleScope& operator=(const KaloCLocaleScope&) = delete;

private:
    locale_t previous_;
};

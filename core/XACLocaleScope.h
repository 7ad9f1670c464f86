#pragma once

#include <locale.h>

// Switches the calling thread to the "C" locale for the scope, so that number formatting and parsing in C
// libraries (printf, strtod) never take the user's decimal separator, which a GUI front end may have set.
class XACLocaleScope {
public:
    XACLocaleScope() : previous_(cLocale() ? uselocale(cLocale()) : static_cast<locale_t>(nullptr)) {}
    ~XACLocaleScope() {
        if (previous_) {
            uselocale(previous_);
        }
    }
    XACLocaleScope(const XACLocaleScope &) = delete;
    XACLocaleScope &operator=(const XACLocaleScope &) = delete;

private:
    static locale_t cLocale() {
        // Made once and kept for the life of the process.
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return locale;
    }

    locale_t previous_;
};

// A part of a test that runs in English; German, the default, is back when it ends, however
// it ends.
#pragma once

#include "support/Language.h"

class EnglishScope {
public:
    EnglishScope() { brelvan::setCurrentLanguage(brelvan::Language::English); }
    ~EnglishScope() { brelvan::setCurrentLanguage(brelvan::Language::German); }
    EnglishScope(const EnglishScope&) = delete;
    EnglishScope& operator=(const EnglishScope&) = delete;
};

// What `f` gives in English.
template <class F> auto inEnglish(F f) {
    const EnglishScope english;
    return f();
}

// A theme handle closed at scope end: our own addition to the API.
#pragma once

#include "platform/uxtheme/UxTheme.h"

namespace win32 {

class ScopedTheme {
public:
    explicit ScopedTheme(HTHEME theme) : theme_(theme) {}
    ~ScopedTheme() {
        if (theme_) CloseThemeData(theme_);
    }
    ScopedTheme(const ScopedTheme&) = delete;
    ScopedTheme& operator=(const ScopedTheme&) = delete;
    HTHEME Get() const { return theme_; }

private:
    HTHEME theme_;
};

}  // namespace win32

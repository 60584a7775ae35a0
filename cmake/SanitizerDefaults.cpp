// Linked into every executable of a sanitizer build, so the program and its
// tools run clean under LeakSanitizer without any environment setting.

// fontconfig loses a small block while parsing its XML configuration, and
// libdbus one that Qt's X11 platform plugin makes it allocate; the program
// cannot free either.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }

extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }

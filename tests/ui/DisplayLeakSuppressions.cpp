// Xft keeps fontconfig's font sets for the life of the process and never hands them back; the
// leak checker of the sanitizer build is told so, for the display tests that draw text.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libXft.so\n"; }

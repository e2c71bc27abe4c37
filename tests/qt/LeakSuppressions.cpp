// Read by LeakSanitizer when the tests are built with it: fontconfig and
// libdbus keep memory they never free at exit. The same list as lsan.supp.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\nleak:libdbus-1.so\n";
}

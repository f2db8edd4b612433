// fontconfig keeps a cache for the life of the process and frees it only at library unload;
// LeakSanitizer would report it after every test that measured text.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

// Sanitizer settings of the media tests. GLib keeps its quark strings in blocks it never frees,
// holding only pointers into them (the first allocated in its load-time constructor, later ones
// as interned strings fill the table); and GStreamer's http source drops the text of each
// redirect's address it follows (seen with a server that redirects for ever). Those are the only
// leaks suppressed, found by their full stacks (GLib has no frame pointers, hence the slow
// unwinder for allocations).
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:_dl_init\n"
           "leak:g_intern_string\n"
           "leak:libgstsoup.so\n";
}

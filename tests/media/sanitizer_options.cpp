// Sanitizer settings of the media tests. GLib keeps its first quark block for lock-free readers
// after growing the table, allocated in its load-time constructor; that one-time allocation is the
// only leak suppressed, found by its full stack (GLib has no frame pointers, hence the slow
// unwinder for allocations).
extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:_dl_init\n";
}

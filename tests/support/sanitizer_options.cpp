// The sanitizer settings of every program the test build runs: the test
// programs, the fuzz replays and the benchmarks. Set in the program rather
// than only in the environment, so a program started by hand runs as CTest
// and CI run it; a setting in ASAN_OPTIONS or LSAN_OPTIONS still overrides.
//
// Leak reports are on: a block of our own that is never freed fails the run
// when the program ends. A block that Qt or a library under it keeps for the
// whole process is suppressed by name in lsan.supp, with its reason; the file
// is compiled in.

#include "lsan_suppressions.inc"

extern "C" const char *__asan_default_options() { return "detect_leaks=1"; }

extern "C" const char *__lsan_default_suppressions() { return kLsanSuppressions; }

# Sourced by the scripts that build with clang under AddressSanitizer and UBSan and run what they
# built, offscreen: any report ends the program with an error, leaks included, but for those
# inside system libraries that scripts/lsan.supp lists.
export CC=clang CXX=clang++
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0

// The parts of libc++ that live in its compiled library, not its headers,
// and that the sources use: the hash tables' bucket counts, the integer
// forms of std::to_string and, from libc++ 15 on, the report of a fault the
// headers cannot throw for. libc++ is used here for its headers alone; the
// template instances it keeps in that library are in libcxx_templates.cpp.
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

#include <cstddef>
#include <string>

namespace {

bool IsPrime(std::size_t n) {
    if (n < 2) return false;
    for (std::size_t d = 2; d <= n / d; ++d) {
        if (n % d == 0) return false;
    }
    return true;
}

template <typename Integer>
std::string Format(const char* format, Integer value) {
    char text[32];
    const int length = snprintf(text, sizeof text, format, value);
    return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

_LIBCPP_BEGIN_NAMESPACE_STD

// The smallest prime not below n. Hash tables ask for a few dozen buckets at
// most here; a table too large for any prime of size_t is a fault.
size_t __next_prime(size_t n) {
    while (!IsPrime(n)) {
        if (n == static_cast<size_t>(-1)) abort();
        ++n;
    }
    return n;
}

string to_string(int value) { return Format("%d", value); }
string to_string(unsigned value) { return Format("%u", value); }
string to_string(long value) { return Format("%ld", value); }
string to_string(unsigned long value) { return Format("%lu", value); }
string to_string(long long value) { return Format("%lld", value); }
string to_string(unsigned long long value) { return Format("%llu", value); }

#if _LIBCPP_VERSION >= 150000
// Exceptions are off, so a length error or a failed hardening check ends
// here: the reason on stderr, then the process goes.
void __libcpp_verbose_abort(const char* format, ...) {
    va_list args;
    va_start(args, format);
    vfprintf(stderr, format, args);
    va_end(args);
    fputc('\n', stderr);
    abort();
}
#endif

_LIBCPP_END_NAMESPACE_STD

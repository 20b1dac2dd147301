// Every flavour must compute a double expression as a chain of doubles, each
// operation rounded to double range and precision, as Microsoft's compiler
// does on x86 (SSE2) and every compiler does on x64. Where an x86 build
// keeps intermediates in the x87 unit's extended format, a product beyond
// the double range divided back comes out finite, one below it comes back
// whole, and a product that should round to a whole number can land a hair
// under it: the flavours' pictures and numbers part ways. Prints what it saw; exits 1 on any difference.
#include <cfloat>
#include <cmath>
#include <cstdio>

namespace {

// Inputs the compiler cannot fold.
volatile double g_huge = 1e308;
volatile double g_ten = 10.0;
volatile double g_tiny = 1e-308;
volatile double g_shrink = 1e-10;

int g_failures = 0;

void Expect(const char* what, double seen, bool ok) {
    std::printf("%-44s %.17g  %s\n", what, seen, ok ? "ok" : "WRONG");
    if (!ok) ++g_failures;
}

}  // namespace

int main() {
    const double huge = g_huge, ten = g_ten, tiny = g_tiny, shrink = g_shrink;
    // In doubles the product overflows to infinity; in extended precision
    // it fits, and the quotient is 1e308 again.
    const double backFromOverflow = huge * ten / ten;
    Expect("1e308 * 10 / 10 (overflows to inf)", backFromOverflow, std::isinf(backFromOverflow));
    // In doubles the product is subnormal and loses digits; in extended
    // precision it is exact and the quotient is 1e-308 again.
    const double backFromUnderflow = tiny * shrink / shrink;
    Expect("1e-308 * 1e-10 / 1e-10 (loses digits)", backFromUnderflow,
           backFromUnderflow > 0.9999e-308 && backFromUnderflow < 0.999999e-308);
    std::printf("FLT_EVAL_METHOD %d\n", static_cast<int>(FLT_EVAL_METHOD));
    std::printf("%s\n", g_failures == 0 ? "doubles round at every operation"
                                        : "intermediates are kept wider than double");
    return g_failures == 0 ? 0 : 1;
}

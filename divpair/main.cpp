// divpair: division with remainder of two whole numbers.
//
// Reads a and b, each after its own prompt, and divides the larger absolute
// value by the smaller one, printing the result as a=b*q+r with 0 <= r < b.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

// Reads one number as "%d" would into value. "%d" has no defined result past
// the range of int, so it reads wider and checks. On failure it reports which
// number could not be read, and why, and returns false.
bool readint(const char *which, long long *value)
{
    int got = std::scanf("%lld", value);
    if (got == 1 && *value >= INT_MIN && *value <= INT_MAX)
        return true;
    std::fprintf(stderr, "divpair: number %s: %s\n", which,
                 got == EOF ? "end of input"
                 : got == 0 ? "not a number"
                            : "out of range");
    return false;
}

int main()
{
    // Wider than int, so that the absolute value of INT_MIN is exact.
    long long a, b, i, m, n;
    // Split literals: a and b are hex digits and would join the escape before them.
    std::puts("\xCA\xE4\xC8\xEB"
              "a"); // "输入a"
    if (!readint("a", &a))
        return 1;
    std::puts("\xCA\xE4\xC8\xEB"
              "b"); // "输入b"
    if (!readint("b", &b))
        return 1;
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    if (a < b) {
        i = a;
        a = b;
        b = i;
    }
    if (b == 0) {
        std::fputs("divpair: cannot divide by zero\n", stderr);
        return 1;
    }
    m = a % b;
    n = (a - m) / b;
    std::printf("%lld=%lld*%lld+%lld\n", a, b, n, m);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "divpair: cannot write output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

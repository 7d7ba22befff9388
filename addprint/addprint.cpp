// addprint: prompts for n and lists every partition of n, from n=n down.
//
// Each partition is one line n=a+b+..., its parts non-increasing, the lines in
// reverse lexicographic order.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int parts[100];

// The line being written: "n=", then the parts placed so far joined by '+'.
// The text of the part at position i begins at text[start[i]]. "n=" takes at
// most 12 characters and a part at most 4 ("+100").
char text[12 + 4 * 100 + 1];
int start[101];

// Writes value, 0 or more, in decimal at to and returns the number of characters.
int put_number(char *to, int value)
{
    char reversed[10];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int i = 0; i < length; i++)
        to[i] = reversed[length - 1 - i];
    return length;
}

void split(int rest, int limit, int placed, int whole)
{
    if (rest == 0) {
        int length = start[placed];
        if (placed == 0)
            length += put_number(text + length, parts[0]);
        text[length++] = '\n';
        if (std::fwrite(text, 1, static_cast<size_t>(length), stdout) !=
            static_cast<size_t>(length)) {
            std::fprintf(stderr, "addprint: cannot write output: %s\n", std::strerror(errno));
            std::exit(1);
        }
        return;
    }
    for (int k = limit < rest ? limit : rest; k >= 1; k--) {
        parts[placed] = k;
        int at = start[placed];
        if (placed > 0)
            text[at++] = '+';
        at += put_number(text + at, k);
        start[placed + 1] = at;
        split(rest - k, k, placed + 1, whole);
    }
}

int main()
{
    std::puts("\xC7\xEB\xCA\xE4\xC8\xEB\xD5\xFB\xCA\xFDn"); // "请输入整数n"
    // "%d" has no defined result past the range of int: read wider, then check.
    long long n;
    int got = std::scanf("%lld", &n);
    if (got != 1 || n < INT_MIN || n > INT_MAX) {
        std::fprintf(stderr, "addprint: n: %s\n",
                     got == EOF ? "end of input"
                     : got == 0 ? "not a number"
                                : "out of range");
        return 1;
    }
    if (n > 100) {
        std::fprintf(stderr, "addprint: %lld is above 100, the most parts this program can hold\n",
                     n);
        return 1;
    }
    start[0] = std::snprintf(text, sizeof text, "%lld=", n);
    split(static_cast<int>(n), static_cast<int>(n), 0, static_cast<int>(n));
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "addprint: cannot write output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

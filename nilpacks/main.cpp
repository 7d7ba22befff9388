// nilpacks: moves the non-zero values of ten integers to the front.
//
// Reads ten integers, then writes how many of them are non-zero on one line,
// followed by those values in input order, each followed by one space.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

// Moves the non-zero values among array[0] to array[n - 1] to the front, in
// their order, with zeros behind them, and returns n minus the number of zeros.
// Each zero met in the front places is filled from the nearest non-zero value
// behind it. Nothing at index n or beyond is touched; for n <= 0, nothing is.
int nilpack(int *array, int n)
{
    int ncount = 0;
    int i;
    for (i = 0; i < n; i++) {
        if (array[i] == 0)
            ncount++;
    }
    for (i = 0; i < n - ncount; i++) {
        if (array[i] != 0)
            continue;
        for (int j = 1; j < n - i; j++) {
            if (array[i + j] != 0) {
                array[i] = array[i + j];
                array[i + j] = 0;
                break;
            }
        }
    }
    return n - ncount;
}

int main()
{
    int array[10];
    int i;
    for (i = 0; i < 10; i++) {
        // "%d" has no defined result past the range of int: read wider, then check.
        long long value;
        int got = std::scanf("%lld", &value);
        if (got != 1 || value < INT_MIN || value > INT_MAX) {
            std::fprintf(stderr, "nilpacks: value %d: %s\n", i + 1,
                         got == EOF ? "end of input"
                         : got == 0 ? "not a number"
                                    : "out of range");
            return 1;
        }
        array[i] = static_cast<int>(value);
    }
    int nscore = nilpack(array, 10);
    std::printf("%d\n", nscore);
    for (i = 0; i < nscore; i++)
        std::printf("%d ", array[i]);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "nilpacks: cannot write output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

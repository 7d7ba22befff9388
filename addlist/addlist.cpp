// addlist: lists the partitions of n into parts no larger than n - 1.
//
// Reads n and writes one line n=a+b+... per partition, the parts of each line
// non-increasing and the lines in reverse lexicographic order. Each line is
// flushed as soon as it is complete.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int n;
int mark[100];

// The text of the line being built: "n=", then each part placed so far
// followed by '+'. The parts from position d on begin at text[start[d]].
// "n=" takes at most 4 characters and a part at most 3 ("99+").
char text[4 + 3 * 100];
int start[101];

void divide(int sum, int depth, int max)
{
    if (sum > n)
        return;
    if (sum == n) {
        if (depth == 0) {
            std::cout.write(text, start[0]) << mark[0] << std::endl;
        } else {
            text[start[depth] - 1] = '\n'; // in place of the last '+'
            std::cout.write(text, start[depth]).flush();
        }
        if (!std::cout) {
            std::cerr << "addlist: cannot write output: " << std::strerror(errno) << std::endl;
            std::exit(1);
        }
        return;
    }
    for (int candidate = max; candidate >= 1; candidate--) {
        mark[depth] = candidate;
        int at = start[depth];
        if (candidate >= 10)
            text[at++] = static_cast<char>('0' + candidate / 10);
        text[at++] = static_cast<char>('0' + candidate % 10);
        text[at++] = '+';
        start[depth + 1] = at;
        divide(sum + candidate, depth + 1, candidate);
    }
}

int main()
{
    // A failed read, or a number outside int, leaves n at 0.
    int value;
    if (std::cin >> value)
        n = value;
    if (n > 100) {
        std::cerr << "addlist: " << n << " is above 100, the most parts this program can hold"
                  << std::endl;
        return 1;
    }
    std::string prefix = std::to_string(n) + "=";
    std::memcpy(text, prefix.data(), prefix.size());
    start[0] = static_cast<int>(prefix.size());
    divide(0, 0, n >= 1 ? n - 1 : 0); // the first max is unused below 1, and n - 1 could overflow
    return 0;
}

// stepmat: multiplies two 2x2 integer matrices and reports the steps executed.
//
// Reads a and then b, row by row, prints their product c = a * b one element
// per line, and ends with the number of steps: one for each pass of every row,
// column and summation loop, plus a constant 17. Each element wraps modulo
// 2^32 into int, as two's-complement arithmetic would.
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iostream>

int main()
{
    const int n = 2;
    // A number that cannot be read leaves its element 0, and the failed
    // stream leaves every later element 0 too.
    int a[n][n] = {};
    int b[n][n] = {};
    int c[n][n];
    int i, j, k;
    int counti = 0, countj = 0, countk = 0, total = 0;
    int value;

    std::cout << " n= " << n << std::endl;
    std::cout << " cin a[n][n] " << std::endl;
    for (i = 0; i < n; i++) {
        for (j = 0; j < n; j++) {
            // Extracting straight into the element would store 0 or a limit
            // of int when the read fails.
            if (std::cin >> value)
                a[i][j] = value;
            countj++;
        }
        counti++;
    }
    total = counti + countj;
    counti = 0;
    countj = 0;

    std::cout << " cin b[n][n] " << std::endl;
    for (i = 0; i < n; i++) {
        for (j = 0; j < n; j++) {
            if (std::cin >> value)
                b[i][j] = value;
            countj++;
        }
        counti++;
    }
    total = total + counti + countj;
    counti = 0;
    countj = 0;

    std::cout << " cout c[n][n] " << std::endl;
    for (i = 0; i < n; i++) {
        for (j = 0; j < n; j++) {
            c[i][j] = 0;
            for (k = 0; k < n; k++) {
                // Unsigned arithmetic wraps where signed overflow would be undefined.
                std::uint32_t term =
                    static_cast<std::uint32_t>(a[i][k]) * static_cast<std::uint32_t>(b[k][j]);
                c[i][j] = static_cast<int>(static_cast<std::uint32_t>(c[i][j]) + term);
                countk++;
            }
            countj++;
        }
        counti++;
    }

    // The passes of the printing loops add to the product's counts.
    for (i = 0; i < n; i++) {
        for (j = 0; j < n; j++) {
            std::cout << c[i][j] << std::endl;
            countj++;
        }
        counti++;
    }
    total = total + counti + countj + countk;
    total += 17;

    // " 共执行了: " total "次 "
    std::cout << " \xB9\xB2\xD6\xB4\xD0\xD0\xC1\xCB: " << total << "\xB4\xCE " << std::endl;
    if (!std::cout) {
        const char *reason = std::strerror(errno);
        std::cerr << "stepmat: cannot write output: " << reason << std::endl;
        return 1;
    }
    return 0;
}

#include "console.h"

#include <unistd.h>

#include <array>
#include <climits>
#include <cstdio>
#include <string>

namespace {

const std::string headings = " n= 2\n cin a[n][n] \n cin b[n][n] \n cout c[n][n] \n";
const std::string closing = gbk(" 共执行了: ") + "49" + gbk("次 ") + "\n";

// The nine lines of a run whose product is c00 c01 / c10 c11.
std::string product(std::array<int, 4> elements)
{
    std::string lines = headings;
    for (int element : elements)
        lines += std::to_string(element) + '\n';
    return lines + closing;
}

TEST(StepmatTotal, IsTheGbkBytesAroundFortyNine)
{
    const std::string bytes = "\x20\xB9\xB2\xD6\xB4\xD0\xD0\xC1\xCB\x3A\x20"
                              "49"
                              "\xB4\xCE\x20\n";
    expect_bytes("last line", closing, bytes);
    Outcome got = run(STEPMAT_PATH, "1 2 3 4 5 6 7 8");
    ASSERT_GE(got.out.size(), bytes.size());
    expect_bytes("standard output", got.out.substr(got.out.size() - bytes.size()), bytes);
}

class Stepmat : public testing::TestWithParam<Case> {};

TEST_P(Stepmat, Console)
{
    expect_case(STEPMAT_PATH, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Products, Stepmat,
    testing::Values(Case{"rows_times_columns", "1 2 3 4 5 6 7 8", product({19, 22, 43, 50})},
                    Case{"identity_gives_b", "1 0 0 1 9 8 7 6", product({9, 8, 7, 6})},
                    // b times the identity: tells a's rows from its columns.
                    Case{"identity_on_the_right", "9 8 7 6 1 0 0 1", product({9, 8, 7, 6})},
                    Case{"negatives", "2 0 0 2 -3 4 5 -6", product({-6, 8, 10, -12})},
                    Case{"zeros", "0 0 0 0 0 0 0 0", product({0, 0, 0, 0})},
                    Case{"extremes_of_int", "2147483647 0 0 -2147483648 1 0 0 1",
                         product({INT_MAX, 0, 0, INT_MIN})}),
    case_name);

// Each element is the exact sum reduced modulo 2^32 into int.
INSTANTIATE_TEST_SUITE_P(
    Wrapping, Stepmat,
    testing::Values(
        Case{"product_wraps_to_zero", "65536 0 0 0 65536 0 0 0", product({0, 0, 0, 0})},
        Case{"smallest_times_minus_one", "-2147483648 0 0 0 -1 0 0 0", product({INT_MIN, 0, 0, 0})},
        Case{"largest_squared_twice", "2147483647 2147483647 0 0 2147483647 0 2147483647 0",
             product({2, 0, 0, 0})},
        // Two terms that each fit but whose sum does not.
        Case{"sum_wraps", "2147483647 1 0 0 1 0 1 0", product({INT_MIN, 0, 0, 0})}),
    case_name);

// How the numbers are spread, and what follows the eighth, does not matter.
INSTANTIATE_TEST_SUITE_P(
    Layout, Stepmat,
    testing::Values(
        Case{"one_per_line", "1\n2\n3\n4\n5\n6\n7\n8\n", product({19, 22, 43, 50})},
        Case{"a_row_per_line", "1 2\n3 4\n5 6\n7 8\n", product({19, 22, 43, 50})},
        Case{"all_white_space", "\t\r\n 1\v2\f3\r4\t\t5\n\n6 7 8", product({19, 22, 43, 50})},
        Case{"plus_signs_and_leading_zeros", "+1 02 +003 4 5 6 7 008", product({19, 22, 43, 50})},
        Case{"more_than_eight", "1 2 3 4 5 6 7 8 9 10 11", product({19, 22, 43, 50})},
        Case{"text_after_eighth", "1 2 3 4 5 6 7 8 x", product({19, 22, 43, 50})},
        Case{"stops_at_first_non_digit", "1 2 3 4 5 6 7 8.5", product({19, 22, 43, 50})},
        Case{"past_int_after_eighth", "1 2 3 4 5 6 7 8 2147483648", product({19, 22, 43, 50})}),
    case_name);

// A read that fails leaves its element 0 and stops every later read; all
// nine lines are still written, with status 0 and nothing on standard error.
INSTANTIATE_TEST_SUITE_P(
    ShortOrBad, Stepmat,
    testing::Values(
        Case{"empty_input", "", product({0, 0, 0, 0})},
        Case{"only_white_space", " \n\t", product({0, 0, 0, 0})},
        Case{"seven_numbers", "1 2 3 4 5 6 7", product({19, 6, 43, 18})},
        // b keeps 5; the 7 and 8 after the text are never read.
        Case{"text_among_numbers", "1 2 3 4 5 x 7 8", product({5, 0, 15, 0})},
        Case{"lone_sign", "1 2 3 4 5 - 7 8", product({5, 0, 15, 0})},
        Case{"stops_at_dot", "1 2 3 4 5 6.5 7 8", product({5, 6, 15, 18})},
        // Would give a limit of int, not 0, if extracted straight into b.
        Case{"just_past_int_in_eighth", "1 2 3 4 5 6 7 2147483648", product({19, 6, 43, 18})},
        Case{"just_below_int_in_eighth", "1 2 3 4 5 6 7 -2147483649", product({19, 6, 43, 18})},
        // The numbers after one past int are not read either.
        Case{"past_int_in_a", "1 99999999999 3 4 5 6 7 8", product({0, 0, 0, 0})},
        Case{"past_int_in_b", "1 2 3 4 5 99999999999 7 8", product({5, 0, 15, 0})}),
    case_name);

// Output that cannot be written: one message, status 1.
TEST(StepmatOutput, FailedWriteIsReported)
{
    Launch full;
    full.stdout_file = "/dev/full";
    expect_case(STEPMAT_PATH,
                {"full", "1 2 3 4 5 6 7 8", "",
                 "stepmat: cannot write output: No space left on device\n", 1},
                full);
}

// A file that takes 70 of the 78 bytes: the write fails inside the last line,
// so that line's own flush must be checked.
TEST(StepmatOutput, FailureInTheLastLineIsReported)
{
    ASSERT_EQ(product({19, 22, 43, 50}).size(), 78u);
    Launch capped;
    capped.stdout_file = testing::TempDir() + "stepmat_capped_" + std::to_string(getpid());
    capped.file_size = 70;
    expect_case(
        STEPMAT_PATH,
        {"capped", "1 2 3 4 5 6 7 8", "", "stepmat: cannot write output: File too large\n", 1},
        capped);
    std::remove(capped.stdout_file.c_str());
}

} // namespace

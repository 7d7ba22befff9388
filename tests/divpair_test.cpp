#include "console.h"

#include <string>

namespace {

const std::string prompt_a = gbk("输入a") + "\n";
const std::string prompts = prompt_a + gbk("输入b") + "\n";

// The output of a run that prints this result line.
std::string divided(const std::string &line)
{
    return prompts + line + "\n";
}

std::string failed(const std::string &why)
{
    return "divpair: " + why + "\n";
}

TEST(DivpairPrompts, AreTheGbkBytes)
{
    const std::string bytes = "\xCA\xE4\xC8\xEB"
                              "a\n"
                              "\xCA\xE4\xC8\xEB"
                              "b\n";
    expect_bytes("prompts", prompts, bytes);
    Outcome got = run(DIVPAIR_PATH, "7 2");
    expect_bytes("standard output", got.out.substr(0, bytes.size()), bytes);
}

class Divpair : public testing::TestWithParam<Case> {};

TEST_P(Divpair, Console)
{
    expect_case(DIVPAIR_PATH, GetParam());
}

// The larger absolute value divided by the smaller, whatever the signs and order.
INSTANTIATE_TEST_SUITE_P(
    Examples, Divpair,
    testing::Values(Case{"plain", "7 2", divided("7=2*3+1")},
                    Case{"first_negative", "-7 2", divided("7=2*3+1")},
                    Case{"smaller_first", "3 10", divided("10=3*3+1")},
                    Case{"equal", "7 7", divided("7=7*1+0")},
                    Case{"ones", "1 1", divided("1=1*1+0")},
                    Case{"second_negative_and_smaller", "2 -7", divided("7=2*3+1")},
                    Case{"both_negative", "-3 -10", divided("10=3*3+1")},
                    Case{"larger_first", "10 3", divided("10=3*3+1")},
                    Case{"equal_absolute_values", "5 -5", divided("5=5*1+0")},
                    Case{"exact", "6 3", divided("6=3*2+0")},
                    Case{"largest_quotient", "2147483647 1", divided("2147483647=1*2147483647+0")},
                    Case{"most_negative_with_int_absolute_value", "-2147483647 1",
                         divided("2147483647=1*2147483647+0")},
                    Case{"nearly_equal_large", "2147483647 2147483646",
                         divided("2147483647=2147483646*1+1")},
                    Case{"third_number_unread", "7 2 9", divided("7=2*3+1")}),
    case_name);

// The smallest int: its absolute value is exact, not left negative.
INSTANTIATE_TEST_SUITE_P(
    SmallestInt, Divpair,
    testing::Values(Case{"first", "-2147483648 7", divided("2147483648=7*306783378+2")},
                    Case{"second", "7 -2147483648", divided("2147483648=7*306783378+2")},
                    Case{"both", "-2147483648 -2147483648", divided("2147483648=2147483648*1+0")},
                    Case{"by_one", "1 -2147483648", divided("2147483648=1*2147483648+0")},
                    Case{"by_largest_int", "-2147483648 2147483647",
                         divided("2147483648=2147483647*1+1")}),
    case_name);

// What "%d" accepts: any white space, a sign, digits up to the first non-digit.
// Both numbers on the first line still give both prompts.
INSTANTIATE_TEST_SUITE_P(
    Layout, Divpair,
    testing::Values(Case{"one_line", "7 2\n", divided("7=2*3+1")},
                    Case{"one_per_line", "7\n2\n", divided("7=2*3+1")},
                    Case{"all_white_space", "\t\r\n 7\v\f\n2", divided("7=2*3+1")},
                    Case{"plus_signs_and_leading_zeros", "+007 +02", divided("7=2*3+1")},
                    Case{"stops_at_first_non_digit", "7 2.5", divided("7=2*3+1")},
                    Case{"text_after_second", "7 2abc", divided("7=2*3+1")}),
    case_name);

// A zero leaves no divisor: both prompts, no result line.
INSTANTIATE_TEST_SUITE_P(
    Zero, Divpair,
    testing::Values(Case{"first", "0 5", prompts, failed("cannot divide by zero"), 1},
                    Case{"second", "-5 0", prompts, failed("cannot divide by zero"), 1},
                    Case{"both", "0 0", prompts, failed("cannot divide by zero"), 1},
                    Case{"negative_zero", "-0 9", prompts, failed("cannot divide by zero"), 1},
                    Case{"with_smallest_int", "-2147483648 0", prompts,
                         failed("cannot divide by zero"), 1}),
    case_name);

// A read that gives no int ends the run at that read.
INSTANTIATE_TEST_SUITE_P(
    Errors, Divpair,
    testing::Values(
        Case{"empty_input", "", prompt_a, failed("number a: end of input"), 1},
        Case{"only_white_space", " \n\t", prompt_a, failed("number a: end of input"), 1},
        Case{"a_not_a_number", "x 2", prompt_a, failed("number a: not a number"), 1},
        Case{"lone_sign", "- 7 2", prompt_a, failed("number a: not a number"), 1},
        Case{"a_past_int", "2147483648 2", prompt_a, failed("number a: out of range"), 1},
        Case{"a_below_int", "-2147483649 2", prompt_a, failed("number a: out of range"), 1},
        Case{"a_far_past_int", "99999999999999999999999 2", prompt_a,
             failed("number a: out of range"), 1},
        Case{"b_missing", "7", prompts, failed("number b: end of input"), 1},
        Case{"b_not_a_number", "7 x", prompts, failed("number b: not a number"), 1},
        Case{"b_starts_with_dot", "7 .5", prompts, failed("number b: not a number"), 1},
        Case{"b_past_int", "7 2147483648", prompts, failed("number b: out of range"), 1},
        Case{"b_below_int", "7 -2147483649", prompts, failed("number b: out of range"), 1}),
    case_name);

TEST(DivpairOutput, FailedWriteIsReported)
{
    Launch full;
    full.stdout_file = "/dev/full";
    expect_case(DIVPAIR_PATH,
                {"full", "7 2", "", failed("cannot write output: No space left on device"), 1},
                full);
}

} // namespace

#include "console.h"

#include <cstdlib>
#include <string>
#include <vector>

// The ring's own routines, with the program's main renamed out of the way.
#define main ringcull_main
#include "ringcull/ringcull.cpp"
#undef main

namespace {

const std::string prompt = gbk("请输入猴子的总数和每只猴子的定数(必须是正整数)：");

std::string closing(int king)
{
    return "\nThe king is monkey[" + std::to_string(king) + "].\n";
}

// The output of a run that removes these members and leaves king.
std::string culled(std::vector<int> removed, int king)
{
    std::string line;
    for (int number : removed)
        line += ' ' + std::to_string(number) + ' ';
    return prompt + line + closing(king);
}

std::string failed(const std::string &why)
{
    return "ringcull: " + why + "\n";
}

TEST(RingcullPrompt, IsTheFortyEightGbkBytes)
{
    const std::string bytes = "\xC7\xEB\xCA\xE4\xC8\xEB\xBA\xEF\xD7\xD3\xB5\xC4\xD7\xDC\xCA\xFD"
                              "\xBA\xCD\xC3\xBF\xD6\xBB\xBA\xEF\xD7\xD3\xB5\xC4\xB6\xA8\xCA\xFD"
                              "\x28\xB1\xD8\xD0\xEB\xCA\xC7\xD5\xFD\xD5\xFB\xCA\xFD\x29\xA3\xBA";
    ASSERT_EQ(bytes.size(), 48u);
    expect_bytes("prompt", prompt, bytes);
    Outcome got = run(RINGCULL_PATH, "1 1");
    expect_bytes("standard output", got.out.substr(0, 48), bytes);
}

class Ringcull : public testing::TestWithParam<Case> {};

TEST_P(Ringcull, Console)
{
    expect_case(RINGCULL_PATH, GetParam());
}

// Worked examples: who is removed, in order, and who is left.
INSTANTIATE_TEST_SUITE_P(
    Examples, Ringcull,
    testing::Values(Case{"five_members", "5 3 1 4 2 5", prompt + " 5  1  4  3 " + closing(2)},
                    Case{"counts_of_three", "7 3 3 3 3 3 3 3", culled({3, 6, 2, 7, 5, 1}, 4)},
                    Case{"counts_of_two", "5 2 2 2 2 2", culled({2, 4, 1, 5}, 3)},
                    Case{"zero_counts_make_no_step", "4 0 0 0 0", culled({1, 2, 3}, 4)},
                    Case{"negative_counts_make_no_step", "3 -4 -4 -4", culled({1, 2}, 3)},
                    Case{"counts_of_one_make_no_step", "5 1 1 1 1 1", culled({1, 2, 3, 4}, 5)},
                    Case{"count_larger_than_ring", "3 7 7 7", culled({1, 2}, 3)},
                    Case{"new_count_each_round", "6 1 2 3 4 5 6", culled({6, 1, 2, 4, 3}, 5)},
                    Case{"walks_end_where_they_began", "6 6 5 4 3 2 1", culled({1, 2, 3, 4, 5}, 6)},
                    Case{"left_members_count_unused", "4 2 9 1 1", culled({1, 3, 4}, 2)},
                    Case{"two_members_even_count", "2 5 8", culled({2}, 1)},
                    Case{"two_members_odd_count", "2 5 9", culled({1}, 2)},
                    Case{"two_members_count_one", "2 1 1", culled({1}, 2)},
                    Case{"two_members_smallest_count", "2 5 -2147483648", culled({1}, 2)},
                    // 2147483646 single steps: the walk is never reduced by the ring's size,
                    // and the step counter must stop short of overflowing.
                    Case{"two_members_largest_count", "2 1 2147483647", culled({1}, 2)},
                    Case{"input_after_last_count_unread", "3 7 8 9 10 11", culled({3, 1}, 2)}),
    case_name);

// One member or none: one count is read, and it changes nothing.
INSTANTIATE_TEST_SUITE_P(
    Lone, Ringcull,
    testing::Values(Case{"one_member", "1 9", prompt + closing(1)},
                    Case{"one_member_negative_count", "1 -3", prompt + closing(1)},
                    Case{"zero_members", "0 9", prompt + closing(1)},
                    Case{"negative_members", "-5 9", prompt + closing(1)},
                    Case{"smallest_int_members", "-2147483648 9", prompt + closing(1)},
                    Case{"count_missing", "1", prompt + closing(1)},
                    Case{"count_not_a_number", "0 x", prompt + closing(1)},
                    Case{"count_out_of_range", "-5 99999999999", prompt + closing(1)}),
    case_name);

// What "%d" accepts: any white space, a sign, digits up to the first non-digit.
INSTANTIATE_TEST_SUITE_P(
    Layout, Ringcull,
    testing::Values(Case{"one_per_line", "5\n3\n1\n4\n2\n5\n", culled({5, 1, 4, 3}, 2)},
                    Case{"counts_on_next_line", "5\n3 1 4 2 5\n", culled({5, 1, 4, 3}, 2)},
                    Case{"all_white_space", "\t\r\n 5\v3\f1\r4\t\t2\n\n5", culled({5, 1, 4, 3}, 2)},
                    Case{"plus_signs_and_leading_zeros", "+5 +3 01 4 +002 5",
                         culled({5, 1, 4, 3}, 2)},
                    Case{"stops_at_first_non_digit", "2 5 9.5", culled({1}, 2)},
                    Case{"text_after_last_count", "2 5 9abc", culled({1}, 2)}),
    case_name);

// Input that gives no number of members, or no count for a ring of two or
// more: a message, nothing after the prompt, status 1.
INSTANTIATE_TEST_SUITE_P(
    Errors, Ringcull,
    testing::Values(
        Case{"empty_input", "", prompt, failed("number of members: end of input"), 1},
        Case{"only_white_space", " \n\t", prompt, failed("number of members: end of input"), 1},
        Case{"members_not_a_number", "x 1 1", prompt, failed("number of members: not a number"), 1},
        Case{"lone_sign", "- 5 1", prompt, failed("number of members: not a number"), 1},
        // The largest n is taken, so the counts run out.
        Case{"members_largest_int", "2147483647 1 2 3", prompt,
             failed("count of member 4: end of input"), 1},
        Case{"members_past_int", "2147483648 1 1", prompt,
             failed("number of members: out of range"), 1},
        Case{"members_below_int", "-2147483649 1", prompt,
             failed("number of members: out of range"), 1},
        Case{"members_far_past_int", "99999999999999999999999", prompt,
             failed("number of members: out of range"), 1},
        Case{"first_count_missing", "3", prompt, failed("count of member 1: end of input"), 1},
        Case{"last_count_missing", "3 1 2", prompt, failed("count of member 3: end of input"), 1},
        Case{"count_not_a_number", "3 1 x 2", prompt, failed("count of member 2: not a number"), 1},
        Case{"count_stops_at_dot", "2 5.9", prompt, failed("count of member 2: not a number"), 1},
        Case{"count_past_int", "3 1 2147483648 1", prompt,
             failed("count of member 2: out of range"), 1},
        Case{"count_below_int", "2 -2147483649 1", prompt,
             failed("count of member 1: out of range"), 1},
        // Must end at the missing count, not build a billion records first.
        Case{"large_ring_short_input", "1000000000 1 2", prompt,
             failed("count of member 3: end of input"), 1}),
    case_name);

TEST(RingcullOutput, FailedWriteIsReported)
{
    Launch full;
    full.stdout_file = "/dev/full";
    expect_case(
        RINGCULL_PATH,
        {"full", "5 3 1 4 2 5", "", failed("cannot write output: No space left on device"), 1},
        full);
}

TEST(RingcullMemory, RunningOutIsReported)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the sanitizer's shadow memory makes an address-space limit meaningless";
#endif
    // Two million records need far more than 32 MiB.
    std::string input = "2000000";
    for (int i = 0; i < 2000000; i++)
        input += " 1";
    Launch starved;
    starved.address_space = 32 << 20;
    expect_case(RINGCULL_PATH, {"starved", input, prompt, failed("out of memory"), 1}, starved);
}

// A ring of members 1 to n built by hand; returns the last member.
node *ring(int n)
{
    node *first = nullptr, *last = nullptr;
    for (int number = 1; number <= n; number++) {
        node *member = static_cast<node *>(std::malloc(sizeof(node)));
        *member = {number, 0, nullptr};
        (last ? last->next : first) = member;
        last = member;
    }
    last->next = first;
    return last;
}

TEST(DeleteNext, UnlinksTheSuccessorAndKeepsTheRest)
{
    node *three = ring(3);
    node *two = three->next->next;
    EXPECT_EQ(DeleteNext(three), three); // releases member 1
    EXPECT_EQ(three->next, two);
    EXPECT_EQ(two->next, three);
    EXPECT_EQ(DeleteNext(two), two); // releases member 3
    EXPECT_EQ(two->next, two);
    EXPECT_EQ(two->number, 2);
    EXPECT_EQ(DeleteNext(two), nullptr); // releases the lone member 2
}

TEST(DeleteNext, NullReleasesNothing)
{
    EXPECT_EQ(DeleteNext(nullptr), nullptr);
}

} // namespace

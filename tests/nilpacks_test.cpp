#include "console.h"

#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

// The compaction routine, with the program's main renamed out of the way.
#define main nilpacks_main
#include "nilpacks/main.cpp"
#undef main

namespace {

std::string failed(const std::string &why)
{
    return "nilpacks: " + why + "\n";
}

class Nilpacks : public testing::TestWithParam<Case> {};

TEST_P(Nilpacks, Console)
{
    expect_case(NILPACKS_PATH, GetParam());
}

// The count on its own line, then each non-zero value followed by one space,
// and no newline at the end.
INSTANTIATE_TEST_SUITE_P(
    Examples, Nilpacks,
    testing::Values(Case{"mixed", "1 0 2 0 3 0 0 4 5 0", "5\n1 2 3 4 5 "},
                    Case{"ten_zeros", "0 0 0 0 0 0 0 0 0 0", "0\n"},
                    Case{"no_zero", "1 2 3 4 5 6 7 8 9 10", "10\n1 2 3 4 5 6 7 8 9 10 "},
                    Case{"negatives", "-1 0 -2 0 0 0 0 0 0 3", "3\n-1 -2 3 "},
                    Case{"negatives_among_positives", "5 0 -3 0 0 8 0 -1 0 2", "5\n5 -3 8 -1 2 "},
                    Case{"single_value_last", "0 0 0 0 0 0 0 0 0 7", "1\n7 "},
                    Case{"single_value_first", "7 0 0 0 0 0 0 0 0 0", "1\n7 "},
                    Case{"equal_values_all_written", "0 5 0 5 0 5 0 5 0 5", "5\n5 5 5 5 5 "},
                    Case{"zeros_first_then_values", "0 0 0 0 0 6 7 8 9 1", "5\n6 7 8 9 1 "},
                    Case{"one_zero_first", "0 1 2 3 4 5 6 7 8 9", "9\n1 2 3 4 5 6 7 8 9 "},
                    Case{"zeros_only_at_end", "4 7 1 2 0 0 0 0 0 0", "4\n4 7 1 2 "},
                    // Every way of typing zero is zero: not counted, not written.
                    Case{"signed_and_padded_zeros", "-0 +0 000 -000 1 0 0 0 0 0", "1\n1 "},
                    Case{"int_extremes", "-2147483648 0 2147483647 0 0 0 0 0 0 -2147483648",
                         "3\n-2147483648 2147483647 -2147483648 "},
                    Case{"plus_signs_and_leading_zeros", "+5 0 007 -08 0 0 0 0 0 +0",
                         "3\n5 7 -8 "}),
    case_name);

// What "%d" accepts: any white space, a sign, digits up to the first non-digit;
// only the first ten values are read.
INSTANTIATE_TEST_SUITE_P(
    Layout, Nilpacks,
    testing::Values(
        Case{"one_per_line", "1\n0\n2\n0\n3\n0\n0\n4\n5\n0\n", "5\n1 2 3 4 5 "},
        Case{"all_white_space", "\t\r\n 1\v0\f2\r0\t\t3\n\n0 0 4 5 0 \n", "5\n1 2 3 4 5 "},
        Case{"more_than_ten_values", "1 0 2 0 3 0 0 4 5 0 6 7 8", "5\n1 2 3 4 5 "},
        // Past the tenth value nothing is read, so text there is no error.
        Case{"text_after_tenth_value", "1 0 2 0 3 0 0 4 5 0 x", "5\n1 2 3 4 5 "},
        Case{"tenth_value_stops_at_non_digit", "1 0 2 0 3 0 0 4 5 9.5", "6\n1 2 3 4 5 9 "},
        Case{"tenth_value_followed_by_letters", "0 0 0 0 0 0 0 0 0 42abc", "1\n42 "}),
    case_name);

// Fewer than ten readable values, or one outside int: a message naming the
// value, and nothing at all on standard output.
INSTANTIATE_TEST_SUITE_P(
    Errors, Nilpacks,
    testing::Values(
        Case{"empty_input", "", "", failed("value 1: end of input"), 1},
        Case{"only_white_space", " \n\t\n", "", failed("value 1: end of input"), 1},
        Case{"nine_values", "1 0 2 0 3 0 0 4 5", "", failed("value 10: end of input"), 1},
        Case{"nine_values_and_a_newline", "1 0 2 0 3 0 0 4 5\n", "",
             failed("value 10: end of input"), 1},
        Case{"first_not_a_number", "x 1 2 3 4 5 6 7 8 9", "", failed("value 1: not a number"), 1},
        Case{"tenth_not_a_number", "1 2 3 4 5 6 7 8 9 x", "", failed("value 10: not a number"), 1},
        Case{"lone_sign", "1 2 3 - 4 5 6 7 8 9", "", failed("value 4: not a number"), 1},
        // The 3 is read, and the ".5" is where the next value should be.
        Case{"decimal_point", "1 2 3.5 4 5 6 7 8 9 10", "", failed("value 4: not a number"), 1},
        Case{"past_int", "1 2 2147483648 4 5 6 7 8 9 10", "", failed("value 3: out of range"), 1},
        Case{"below_int", "-2147483649 2 3 4 5 6 7 8 9 10", "", failed("value 1: out of range"), 1},
        Case{"far_past_int", "1 2 3 4 5 6 7 8 9 99999999999999999999999", "",
             failed("value 10: out of range"), 1}),
    case_name);

TEST(NilpacksOutput, FailedWriteIsReported)
{
    Launch full;
    full.stdout_file = "/dev/full";
    for (const char *input : {"1 0 2 0 3 0 0 4 5 0", "0 0 0 0 0 0 0 0 0 0"})
        expect_case(NILPACKS_PATH,
                    {"full", input, "", failed("cannot write output: No space left on device"), 1},
                    full);
}

// Memory for the routine whose last element ends a page, with an inaccessible
// page after it: any access at or beyond index n faults, in every build. When
// writable is false the elements' page is read-only too, so any write faults.
struct Fenced {
    int *elements;
    void *mapping;
    std::size_t length;
};

void protect(const Fenced &memory)
{
    if (mprotect(memory.mapping, memory.length / 2, PROT_READ) != 0)
        ADD_FAILURE() << "mprotect failed";
}

Fenced fence(const std::vector<int> &values, bool writable)
{
    std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void *mapping =
        mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) {
        std::perror("mmap");
        std::abort();
    }
    char *guard = static_cast<char *>(mapping) + page;
    int *elements = reinterpret_cast<int *>(guard) - values.size();
    for (std::size_t k = 0; k < values.size(); k++)
        elements[k] = values[k];
    Fenced memory = {elements, mapping, 2 * page};
    if (mprotect(guard, page, PROT_NONE) != 0)
        ADD_FAILURE() << "mprotect failed";
    if (!writable)
        protect(memory);
    return memory;
}

std::vector<int> contents(const Fenced &memory, std::size_t count)
{
    return std::vector<int>(memory.elements, memory.elements + count);
}

void release(const Fenced &memory)
{
    munmap(memory.mapping, memory.length);
}

struct Compaction {
    const char *name;
    std::vector<int> before; // n elements
    std::vector<int> after;
    int result;
    bool writes; // false: the routine must leave the elements untouched
};

void PrintTo(const Compaction &c, std::ostream *os)
{
    *os << c.name;
}

class Nilpack : public testing::TestWithParam<Compaction> {};

TEST_P(Nilpack, CompactsInPlaceWithinTheFirstNElements)
{
    const Compaction &c = GetParam();
    Fenced memory = fence(c.before, c.writes);
    int n = static_cast<int>(c.before.size());
    EXPECT_EQ(nilpack(memory.elements, n), c.result);
    EXPECT_EQ(contents(memory, c.before.size()), c.after);
    release(memory);
}

// Run on its own output, the routine writes nothing and gives the same result.
TEST_P(Nilpack, SecondCallWritesNothing)
{
    const Compaction &c = GetParam();
    Fenced memory = fence(c.before, true);
    int n = static_cast<int>(c.before.size());
    nilpack(memory.elements, n);
    protect(memory);
    EXPECT_EQ(nilpack(memory.elements, n), c.result);
    EXPECT_EQ(contents(memory, c.before.size()), c.after);
    release(memory);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Nilpack,
    testing::Values(
        Compaction{
            "mixed", {1, 0, 2, 0, 3, 0, 0, 4, 5, 0}, {1, 2, 3, 4, 5, 0, 0, 0, 0, 0}, 5, true},
        Compaction{"no_zeros",
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                   10,
                   false},
        Compaction{
            "all_zeros", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, false},
        Compaction{"zeros_only_at_end",
                   {4, 7, 1, 2, 0, 0, 0, 0, 0, 0},
                   {4, 7, 1, 2, 0, 0, 0, 0, 0, 0},
                   4,
                   false},
        Compaction{"one_zero_first",
                   {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 0},
                   9,
                   true},
        // All zeros before all values: the searches reach farthest here.
        Compaction{"five_zeros_then_values",
                   {0, 0, 0, 0, 0, 6, 7, 8, 9, 1},
                   {6, 7, 8, 9, 1, 0, 0, 0, 0, 0},
                   5,
                   true},
        Compaction{"negatives",
                   {5, 0, -3, 0, 0, 8, 0, -1, 0, 2},
                   {5, -3, 8, -1, 2, 0, 0, 0, 0, 0},
                   5,
                   true},
        Compaction{"int_extremes",
                   {0, INT_MIN, 0, INT_MAX, INT_MIN},
                   {INT_MIN, INT_MAX, INT_MIN, 0, 0},
                   3,
                   true},
        // The one value is found at the last index and leaves a zero there.
        Compaction{"nine_zeros_then_one_value",
                   {0, 0, 0, 0, 0, 0, 0, 0, 0, 42},
                   {42, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                   1,
                   true},
        Compaction{"alternating_equal_values",
                   {0, 5, 0, 5, 0, 5, 0, 5, 0, 5},
                   {5, 5, 5, 5, 5, 0, 0, 0, 0, 0},
                   5,
                   true},
        Compaction{"one_zero_element", {0}, {0}, 0, false},
        Compaction{"one_value_element", {7}, {7}, 1, false},
        Compaction{"two_elements_zero_first", {0, -9}, {-9, 0}, 1, true}),
    [](const testing::TestParamInfo<Compaction> &info) { return std::string(info.param.name); });

TEST(NilpackBounds, ZeroOrNegativeTouchesNothing)
{
    // A null pointer: any access at all would fault.
    for (int n : {0, -1, -10, INT_MIN})
        EXPECT_EQ(nilpack(nullptr, n), n);
}

TEST(NilpackBounds, ElementsAtNAndBeyondAreLeftAlone)
{
    std::vector<int> elements = {0, 5, 0, 7, 9};
    EXPECT_EQ(nilpack(elements.data(), 3), 1);
    EXPECT_EQ(elements, (std::vector<int>{5, 0, 0, 7, 9}));

    // The same three elements against the fence: nothing past them is read.
    Fenced memory = fence({0, 5, 0}, true);
    EXPECT_EQ(nilpack(memory.elements, 3), 1);
    EXPECT_EQ(contents(memory, 3), (std::vector<int>{5, 0, 0}));
    release(memory);
}

} // namespace

#include "console.h"
#include "partitions.h"

#include <csignal>
#include <string>
#include <vector>

namespace {

const std::string seven = "7=6+1\n7=5+2\n7=5+1+1\n7=4+3\n7=4+2+1\n7=4+1+1+1\n7=3+3+1\n"
                          "7=3+2+2\n7=3+2+1+1\n7=3+1+1+1+1\n7=2+2+2+1\n7=2+2+1+1+1\n"
                          "7=2+1+1+1+1+1\n7=1+1+1+1+1+1+1\n";

class Addlist : public testing::TestWithParam<Case> {};

TEST_P(Addlist, Console)
{
    expect_case(ADDLIST_PATH, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Addlist,
    testing::Values(Case{"four", "4", "4=3+1\n4=2+2\n4=2+1+1\n4=1+1+1+1\n"},
                    Case{"five", "5\n", "5=4+1\n5=3+2\n5=3+1+1\n5=2+2+1\n5=2+1+1+1\n5=1+1+1+1+1\n"},
                    Case{"two", "2", "2=1+1\n"}, Case{"one_lists_nothing", "1", ""},
                    Case{"seven_then_more_input_unread", "  7 3\n5 x", seven}),
    case_name);

// n at 0, from a 0 typed or from a read that stores nothing, gives the one
// line 0=0; a negative n gives nothing.
INSTANTIATE_TEST_SUITE_P(
    OddInput, Addlist,
    testing::Values(Case{"zero", "0", "0=0\n"}, Case{"empty_input", "", "0=0\n"},
                    Case{"only_white_space", " \n\t", "0=0\n"}, Case{"letters", "abc", "0=0\n"},
                    Case{"lone_sign", "- 5", "0=0\n"},
                    // C++11 extraction stores the nearest limit here; n must stay 0.
                    Case{"just_past_int", "2147483648", "0=0\n"},
                    Case{"just_below_int", "-2147483649", "0=0\n"},
                    Case{"far_past_int", "99999999999", "0=0\n"}, Case{"negative", "-5", ""},
                    Case{"smallest_int", "-2147483648", ""}),
    case_name);

// Above the 100 parts the listing can hold.
INSTANTIATE_TEST_SUITE_P(
    Errors, Addlist,
    testing::Values(Case{"above_capacity", "101", "",
                         "addlist: 101 is above 100, the most parts this program can hold\n", 1},
                    Case{"largest_int", "2147483647", "",
                         "addlist: 2147483647 is above 100, the most parts this program can hold\n",
                         1}),
    case_name);

// Output that cannot be written: one message, status 1.
class AddlistFullDevice : public testing::TestWithParam<Case> {};

TEST_P(AddlistFullDevice, FailedWriteIsReported)
{
    Launch full;
    full.stdout_file = "/dev/full";
    expect_case(ADDLIST_PATH, GetParam(), full);
}

const std::string cannot_write = "addlist: cannot write output: No space left on device\n";

INSTANTIATE_TEST_SUITE_P(Output, AddlistFullDevice,
                         testing::Values(Case{"listing", "5", "", cannot_write, 1},
                                         // The one line 0=0 is written apart from the rest.
                                         Case{"zero_line", "0", "", cannot_write, 1}),
                         case_name);

// Every partition but n=n, in order; at n = 60 the deepest lines hold 60 parts.
TEST(AddlistListing, HoldsEveryPartitionButNInOrder)
{
    std::vector<int> sizes;
    for (int n = 2; n <= 30; n++)
        sizes.push_back(n);
    sizes.push_back(60);
    for (int n : sizes) {
        SCOPED_TRACE("n = " + std::to_string(n));
        Outcome got = run(ADDLIST_PATH, std::to_string(n));
        std::vector<Partition> listing = parse_listing(got.out, n);
        EXPECT_EQ(static_cast<long long>(listing.size()), partition_count(n) - 1);
        expect_ordered_partitions(listing, n);
        ASSERT_FALSE(listing.empty());
        EXPECT_EQ(listing.front(), (Partition{n - 1, 1}));
        EXPECT_EQ(listing.back(), Partition(n, 1));
        EXPECT_EQ(got.err, "");
        EXPECT_EQ(got.status, 0);
    }
}

// Each line is flushed as it is made: the first lines of the 190 million are
// there at once, and closing the pipe ends the program.
TEST(AddlistListing, HundredStartsAtOnce)
{
    Launch head;
    head.lines = 3;
    Outcome got = run(ADDLIST_PATH, "100", head);
    expect_bytes("standard output", got.out, "100=99+1\n100=98+2\n100=98+1+1\n");
    EXPECT_EQ(got.status, 128 + SIGPIPE);
}

} // namespace

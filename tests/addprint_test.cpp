#include "console.h"
#include "partitions.h"

#include <csignal>
#include <string>

namespace {

const std::string prompt = gbk("请输入整数n") + "\n";

std::string failed(const std::string &why)
{
    return "addprint: " + why + "\n";
}

TEST(AddprintPrompt, IsTheElevenGbkBytesAndANewline)
{
    const std::string bytes = "\xC7\xEB\xCA\xE4\xC8\xEB\xD5\xFB\xCA\xFD\x6E\n";
    expect_bytes("prompt", prompt, bytes);
    Outcome got = run(ADDPRINT_PATH, "");
    expect_bytes("standard output", got.out, bytes);
}

class Addprint : public testing::TestWithParam<Case> {};

TEST_P(Addprint, Console)
{
    expect_case(ADDPRINT_PATH, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Addprint,
    testing::Values(Case{"zero", "0", prompt + "0=0\n"}, Case{"one", "1", prompt + "1=1\n"},
                    Case{"two", "2", prompt + "2=2\n2=1+1\n"},
                    Case{"three", "3", prompt + "3=3\n3=2+1\n3=1+1+1\n"},
                    Case{"four", "4", prompt + "4=4\n4=3+1\n4=2+2\n4=2+1+1\n4=1+1+1+1\n"},
                    Case{"five", "5",
                         prompt + "5=5\n5=4+1\n5=3+2\n5=3+1+1\n5=2+2+1\n5=2+1+1+1\n5=1+1+1+1+1\n"},
                    Case{"white_space_before_and_text_after", "\n\n \t+4 9\nabc",
                         prompt + "4=4\n4=3+1\n4=2+2\n4=2+1+1\n4=1+1+1+1\n"},
                    Case{"stops_at_first_non_digit", "2.9", prompt + "2=2\n2=1+1\n"},
                    Case{"negative", "-1", prompt}, Case{"more_negative", "-7", prompt},
                    Case{"smallest_int", "-2147483648", prompt}),
    case_name);

// No n to list: a message, nothing after the prompt, status 1.
INSTANTIATE_TEST_SUITE_P(
    Errors, Addprint,
    testing::Values(Case{"empty_input", "", prompt, failed("n: end of input"), 1},
                    Case{"only_white_space", "  \n", prompt, failed("n: end of input"), 1},
                    Case{"letters", "abc", prompt, failed("n: not a number"), 1},
                    Case{"lone_sign", "+ 4", prompt, failed("n: not a number"), 1},
                    Case{"just_past_int", "2147483648", prompt, failed("n: out of range"), 1},
                    Case{"just_below_int", "-2147483649", prompt, failed("n: out of range"), 1},
                    Case{"above_capacity", "101", prompt,
                         failed("101 is above 100, the most parts this program can hold"), 1},
                    Case{"largest_int", "2147483647", prompt,
                         failed("2147483647 is above 100, the most parts this program can hold"),
                         1}),
    case_name);

// Output that cannot be written: one message, status 1, and no listing done in
// vain. The CPU-time limit ends a run that goes on listing to n = 100's end.
class AddprintFullDevice : public testing::TestWithParam<Case> {};

TEST_P(AddprintFullDevice, FailedWriteIsReported)
{
    Launch full;
    full.stdout_file = "/dev/full";
    full.cpu_seconds = 3;
    expect_case(ADDPRINT_PATH, GetParam(), full);
}

const std::string cannot_write = failed("cannot write output: No space left on device");

INSTANTIATE_TEST_SUITE_P(
    Output, AddprintFullDevice,
    testing::Values(Case{"listing_within_buffer", "5", "", cannot_write, 1},
                    // Fails while listing, not at the final flush: the message comes once.
                    Case{"listing_past_buffer", "30", "", cannot_write, 1},
                    // 190 million lines: stops at the first write that fails.
                    Case{"largest_listing", "100", "", cannot_write, 1}),
    case_name);

// The largest n accepted: its first lines, then the pipe is closed.
TEST(AddprintListing, HundredIsAccepted)
{
    Launch head;
    head.lines = 4;
    Outcome got = run(ADDPRINT_PATH, "100", head);
    expect_bytes("standard output", got.out, prompt + "100=100\n100=99+1\n100=98+2\n");
    expect_bytes("standard error", got.err, "");
    EXPECT_EQ(got.status, 128 + SIGPIPE);
}

// The listing after the prompt: p(n) lines in order, from n=n to n ones.
TEST(AddprintListing, HoldsEveryPartitionInOrder)
{
    // At n = 60 the deepest lines hold 60 parts.
    for (int n : {1, 2, 6, 7, 8, 10, 20, 30, 60}) {
        SCOPED_TRACE("n = " + std::to_string(n));
        Outcome got = run(ADDPRINT_PATH, std::to_string(n));
        ASSERT_EQ(got.out.compare(0, prompt.size(), prompt), 0);
        std::vector<Partition> listing = parse_listing(got.out.substr(prompt.size()), n);
        EXPECT_EQ(static_cast<long long>(listing.size()), partition_count(n));
        expect_ordered_partitions(listing, n);
        ASSERT_FALSE(listing.empty());
        EXPECT_EQ(listing.front(), Partition{n});
        EXPECT_EQ(listing.back(), Partition(n, 1));
        EXPECT_EQ(got.status, 0);
    }
    EXPECT_EQ(partition_count(10), 42);
    EXPECT_EQ(partition_count(20), 627);
    EXPECT_EQ(partition_count(30), 5604);
}

// The other lister leaves out only the first line, n=n.
TEST(AddprintListing, AfterTheFirstLineMatchesAddlist)
{
    for (int n = 1; n <= 30; n++) {
        SCOPED_TRACE("n = " + std::to_string(n));
        std::string listing = run(ADDPRINT_PATH, std::to_string(n)).out.substr(prompt.size());
        std::string first = std::to_string(n) + "=" + std::to_string(n) + "\n";
        ASSERT_EQ(listing.compare(0, first.size(), first), 0);
        expect_bytes("lines after the first", listing.substr(first.size()),
                     run(ADDLIST_PATH, std::to_string(n)).out);
    }
}

} // namespace

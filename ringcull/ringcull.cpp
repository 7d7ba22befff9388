// ringcull: counting-out on a ring of members, each with its own count.
//
// Reads the number of members n and then each member's count. Counting starts
// at member 1 with the last member's count; the member reached is removed, and
// its count is the count for the next round, which starts after it. The one
// member left is announced.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

struct node {
    int number;
    int count;
    node *next;
};

// The member left is never released. Holding it here keeps it reachable until
// the process ends, so a leak checker reports only records really lost.
node *survivor;

// Removes the member after p and returns p; returns a null pointer when p was
// alone (its record is released too) or null.
node *DeleteNext(node *p)
{
    if (p != nullptr && p->next != p) {
        node *q = p->next;
        p->next = q->next;
        std::free(q);
        return p;
    }
    std::free(p);
    return nullptr;
}

// Builds the ring of members 1 to n (member 1 alone when n is 1 or less),
// reading each member's count as it is created, and returns the last member.
// When a record cannot be allocated, or, with two members or more, a count
// cannot be read, it reports why, releases what it built and returns null.
node *CreateCircle(int n)
{
    node *first = nullptr;
    node *last = nullptr;
    for (int number = 1;; number++) {
        node *member = static_cast<node *>(std::malloc(sizeof(node)));
        if (member == nullptr) {
            std::fputs("ringcull: out of memory\n", stderr);
            break;
        }
        member->number = number;
        member->next = nullptr;
        if (last == nullptr)
            first = member;
        else
            last->next = member;
        last = member;

        // "%d" has no defined result past the range of int: read wider, then check.
        long long count;
        int got = std::scanf("%lld", &count);
        if (got != 1 || count < INT_MIN || count > INT_MAX) {
            if (n >= 2) {
                std::fprintf(stderr, "ringcull: count of member %d: %s\n", number,
                             got == EOF ? "end of input"
                             : got == 0 ? "not a number"
                                        : "out of range");
                break;
            }
            count = 0; // a lone member's count is never used
        }
        member->count = static_cast<int>(count);
        if (number >= n) {
            last->next = first;
            return last;
        }
    }
    if (last != nullptr) {
        last->next = first;
        while (last != nullptr)
            last = DeleteNext(last);
    }
    return nullptr;
}

// Runs the counting-out from the last member and returns the number of the
// member left. Each step is taken singly, however large the count.
int KingOfMonkey(int n, node *last)
{
    node *position = last;
    int steps = last->count;
    for (int removal = 1; removal < n; removal++) {
        for (int step = 1; step < steps; step++)
            position = position->next;
        node *removed = position->next;
        steps = removed->count;
        std::printf(" %d ", removed->number);
        DeleteNext(position);
    }
    survivor = position;
    return position->number;
}

int main()
{
    // "请输入猴子的总数和每只猴子的定数(必须是正整数)："
    std::printf("\xC7\xEB\xCA\xE4\xC8\xEB\xBA\xEF\xD7\xD3\xB5\xC4\xD7\xDC\xCA\xFD\xBA\xCD"
                "\xC3\xBF\xD6\xBB\xBA\xEF\xD7\xD3\xB5\xC4\xB6\xA8\xCA\xFD(\xB1\xD8\xD0\xEB"
                "\xCA\xC7\xD5\xFD\xD5\xFB\xCA\xFD)\xA3\xBA");
    long long n;
    int got = std::scanf("%lld", &n);
    if (got != 1 || n < INT_MIN || n > INT_MAX) {
        std::fprintf(stderr, "ringcull: number of members: %s\n",
                     got == EOF ? "end of input"
                     : got == 0 ? "not a number"
                                : "out of range");
        return 1;
    }
    node *last = CreateCircle(static_cast<int>(n));
    if (last == nullptr)
        return 1;
    int king = KingOfMonkey(static_cast<int>(n), last);
    std::printf("\nThe king is monkey[%d].\n", king);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "ringcull: cannot write output: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}

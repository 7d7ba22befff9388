#include "partitions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

long long partition_count(int n)
{
    std::vector<long long> ways(n + 1, 0);
    ways[0] = 1;
    for (int part = 1; part <= n; part++)
        for (int total = part; total <= n; total++)
            ways[total] += ways[total - part];
    return ways[n];
}

std::vector<Partition> parse_listing(const std::string &out, int n)
{
    std::vector<Partition> listing;
    std::istringstream lines(out);
    const std::string head = std::to_string(n) + "=";
    for (std::string line; std::getline(lines, line);) {
        bool shaped = line.compare(0, head.size(), head) == 0 && line.size() > head.size() &&
                      line.back() != '+';
        Partition parts;
        for (size_t at = head.size(); shaped && at < line.size();) {
            size_t digits = line.find_first_not_of("0123456789", at);
            if (digits == std::string::npos)
                digits = line.size();
            shaped =
                digits > at && digits - at <= 3 && (digits == line.size() || line[digits] == '+');
            if (shaped)
                parts.push_back(std::stoi(line.substr(at, digits - at)));
            at = digits + 1;
        }
        if (!shaped) {
            ADD_FAILURE() << "line not of the form " << head << "a+b+...: \"" << line << "\"";
            continue;
        }
        listing.push_back(parts);
    }
    return listing;
}

void expect_ordered_partitions(const std::vector<Partition> &listing, int n)
{
    for (size_t i = 0; i < listing.size(); i++) {
        const Partition &parts = listing[i];
        EXPECT_EQ(std::accumulate(parts.begin(), parts.end(), 0), n) << "line " << i + 1;
        EXPECT_TRUE(std::is_sorted(parts.rbegin(), parts.rend())) << "line " << i + 1;
        if (i > 0) {
            EXPECT_TRUE(listing[i - 1] > parts) << "line " << i + 1 << " not after line " << i;
        }
    }
}

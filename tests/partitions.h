// Checks of a partition listing that hold for any n: every line is n=a+b+...
// with parts adding up to n and never increasing, and the lines come in
// strictly decreasing reverse lexicographic order.
#pragma once

#include <string>
#include <vector>

using Partition = std::vector<int>;

// The number of partitions of n, counted independently of the programs.
long long partition_count(int n);

// The partitions written as n=a+b+... lines; a line of another shape fails the
// test and is left out.
std::vector<Partition> parse_listing(const std::string &out, int n);

// Fails the test where a partition does not add up to n, increases, or does
// not come strictly after the one before it.
void expect_ordered_partitions(const std::vector<Partition> &listing, int n);

#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lindquay::bench {

// Named figures one measurement reports.
using Figures = std::map<std::string, double>;

// Runs the measurement in a child process of its own, so that its peak memory is its own and
// nothing it leaves behind affects the next. Adds "peak_mib", the child's peak resident size.
Figures measureInChild(const std::function<Figures()>& measurement);

double median(std::vector<double> values);

// Prints a table: for each figure name the median of the runs of each variant.
void printMedians(const std::vector<std::pair<std::string, std::vector<Figures>>>& variants);

} // namespace lindquay::bench

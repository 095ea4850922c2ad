// The middle of a set of measurements, which one slow run on a busy machine does
// not move.
#pragma once

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

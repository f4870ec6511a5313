// The batch tool's command "zufluss": the cumulative influx of a water zone for a boundary
// pressure history, after one of the four models, without a gas case.
#pragma once

#include <string>
#include <vector>

// args: everything after "zufluss". Returns the exit status (cli::kOk, kUsage, kFailed).
int cmdZufluss(const std::vector<std::string>& args);

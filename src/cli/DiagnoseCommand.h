// The batch tool's command "diagnose": the figures of the diagnostic plots and the check for
// support from the water zone, for a case file.
#pragma once

#include <string>
#include <vector>

// args: everything after "diagnose". Returns the exit status (cli::kOk, kUsage, kFailed).
int cmdDiagnose(const std::vector<std::string>& args);

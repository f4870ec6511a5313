// The commands of the batch tool. Each takes the arguments after its name and returns the
// exit status (cli::kOk, cli::kUsage, cli::kFailed).
#pragma once

#include <string>
#include <vector>

int cmdBericht(const std::vector<std::string>& args);
int cmdSensitivitaet(const std::vector<std::string>& args);
int cmdJWert(const std::vector<std::string>& args);
int cmdZWert(const std::vector<std::string>& args);
int cmdNeu(const std::vector<std::string>& args);
int cmdZeigen(const std::vector<std::string>& args);
int cmdAnpassen(const std::vector<std::string>& args);
int cmdKarte(const std::vector<std::string>& args);

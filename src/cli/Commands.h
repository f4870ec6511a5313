// The commands of the batch tool. Each takes the arguments after its name and returns the
// exit status (cli::kOk, kUsage, kFailed, kAborted).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/FileIo.h"

namespace brelvan::fit {
struct MisfitMap;
}

int cmdBericht(const std::vector<std::string>& args);
int cmdSensitivitaet(const std::vector<std::string>& args);
int cmdJWert(const std::vector<std::string>& args);
int cmdZWert(const std::vector<std::string>& args);
int cmdNeu(const std::vector<std::string>& args);
int cmdZeigen(const std::vector<std::string>& args);
int cmdAnpassen(const std::vector<std::string>& args);

// How "karte" gets a picture (SVG, PNG, PDF) of the map: the chart program draws it itself
// (`draw`); the batch tool, which loads no Qt, hands the whole command over (`handOver`, with
// the arguments after "karte"). Without either a picture is refused.
struct MapPictures {
    std::function<brelvan::IoResult<>(const brelvan::fit::MisfitMap& map,
                                      const std::string& fieldName, const std::string& path)>
        draw;
    std::function<int(const std::vector<std::string>& args)> handOver;
};
int cmdKarte(const std::vector<std::string>& args, const MapPictures& pictures);

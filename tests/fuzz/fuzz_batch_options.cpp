// The batch tool's command line: arguments separated by NUL bytes, read with the option names
// of every command, and every value read as each kind of option reads it.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/Options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() <= 64; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back().push_back(static_cast<char>(data[i]));
    }
    static const std::vector<std::vector<std::string>> known = {
        {"x", "aus"},
        {"ogip", "wip", "jwert", "x", "speichern"},
        {"winkel", "k", "h", "mu", "phi", "rw", "re", "tiefe", "breite"},
        {"gas", "temperatur", "druck"},
        {"feld", "gas", "temperatur", "druck", "ogip", "wip", "kompress", "jwert", "beginn",
         "druckdatei", "k", "h", "mu", "phi", "rw", "re", "tiefe", "breite", "winkel"},
    };
    for (const auto& names : known) {
        cli::Parsed parsed;
        std::string error;
        if (!cli::parseArgs(args, names, parsed, error))
            continue;
        for (const auto& [name, value] : parsed.options) {
            if (const auto v = cli::number(value); v && !std::isfinite(*v))
                __builtin_trap();
            if (const auto v = cli::numberF(value); v && !std::isfinite(*v))
                __builtin_trap();
            (void)cli::integer(value);
            double lo = 0, hi = 0;
            (void)cli::range(value, lo, hi);
            int d = 0, m = 0, y = 0;
            (void)cli::date(value, d, m, y);
            std::array<float, 15> gas{};
            (void)cli::gasList(value, gas, error);
        }
    }
    return 0;
}

// Cases for the fitting code on the real material balance: the 299-row case of the batch
// tool's reference outputs, and synthetic cases whose measured pressures the program itself
// made from known OGIP, WIP and J.
#pragma once

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "engine/Fit.h"
#include "engine/Run.h"
#include "support/TextFormat.h"
#include "testing/WorkedCase.h"

namespace fit_cases {

// The 299-row case: gas CH4 92, C2H6 5, CO2 3 %, 80 degrees C, 250 bar, OGIP 5000, WIP 20000,
// compressibility 9.5, J 50, start 1.1.2000, the lines of tests/cli/golden/gross-druckwerte.txt.
inline brelvan::engine::RunInputs grossCase(const std::string& sourceDir) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    doc.m_strFeldname = "Grosser Fall";
    doc.m_fGas.fill(0.0f);
    doc.m_fGas[1] = 3;
    doc.m_fGas[3] = 92;
    doc.m_fGas[4] = 5;
    worked_case::setReservoir(doc);
    std::ifstream in(sourceDir + "/tests/cli/golden/gross-druckwerte.txt");
    std::string line;
    std::getline(in, line); // heading
    while (std::getline(in, line))
        if (!line.empty())
            doc.m_Zeilen.push_back(line);
    return doc.runInputs();
}

// A reservoir with a row every `months` months over `years` years, every `every`-th one
// measured, whose pressures a normal run with `truth` computes (written with six decimals), plus
// normal noise of `sigma` bar from `seed`; production reaches `depletion` times the OGIP. Its
// lines stand in `lines` when given.
inline brelvan::engine::RunInputs syntheticCase(const brelvan::fit::Point& truth, int years,
                                                int every, brelvan::engine::InfluxScheme scheme,
                                                double sigma = 0, unsigned seed = 0, int months = 1,
                                                double depletion = 0.25,
                                                std::vector<std::string>* lines = nullptr) {
    CBrelvanDoc doc;
    doc.OnNewDocument();
    doc.m_strFeldname = "Synthetisch";
    worked_case::setReservoir(doc);
    doc.m_fGas.fill(0.0f);
    doc.m_fGas[3] = 100;
    doc.m_dOGIP = truth[0];
    doc.m_dWIP = truth[1];
    doc.m_dJWert = truth[2];
    std::vector<double> gp;
    const int rows = 12 * years / months;
    auto date = [months](std::size_t i) {
        const int m = static_cast<int>(i) * months;
        return brelvan::cformat("1.%d.%d", m % 12 + 1, 2001 + m / 12);
    };
    for (int i = 0; i < rows; ++i) {
        gp.push_back(depletion * truth[0] * (i + 1) / rows);
        doc.m_Zeilen.push_back(date(i) + brelvan::cformat(" %.3f", gp.back()));
    }
    brelvan::engine::RunInputs in = doc.runInputs();
    in.scheme = scheme;
    const brelvan::engine::RunResult r = brelvan::engine::run(in);
    std::mt19937 gen(seed);
    std::normal_distribution<double> noise(0.0, sigma);
    for (std::size_t i = 0; i < r.rows.size(); ++i) {
        if ((i + 1) % every != 0)
            continue;
        const double p = r.rows[i].p + (sigma > 0 ? noise(gen) : 0.0);
        doc.m_Zeilen[i] = date(i) + brelvan::cformat(" %.3f %.6f", gp[i], p);
    }
    in.rows = brelvan::engine::parseRows(doc.m_Zeilen);
    if (lines != nullptr)
        *lines = doc.m_Zeilen;
    return in;
}

} // namespace fit_cases

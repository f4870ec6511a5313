// A small smooth model of three parameters in the sizes of OGIP, WIP and J, standing in for
// the material balance where the fitting code is tested on its own.
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include "engine/Fit.h"

struct SyntheticModel {
    std::vector<double> t;    // times of the measurements
    std::vector<double> data; // "measured" values
    double minOgip = 100;     // below this a point has no error value

    static double value(const brelvan::fit::Point& x, double t) {
        const double decline = 250 * (1 - t / (x[0] / 20));
        const double support = (x[1] / 2000) * (1 - std::exp(-x[2] * t / 4000));
        return decline + support;
    }

    // Measurements made from `truth`, with normal noise of `sigma` when seeded.
    SyntheticModel(const brelvan::fit::Point& truth, int count, double sigma = 0,
                   unsigned seed = 0) {
        std::mt19937 gen(seed);
        std::normal_distribution<double> noise(0.0, sigma);
        for (int i = 1; i <= count; ++i) {
            t.push_back(i * 6.0);
            data.push_back(value(truth, t.back()) + (sigma > 0 ? noise(gen) : 0.0));
        }
    }

    brelvan::fit::Objective objective() const {
        return [this](const brelvan::fit::Point& x, std::vector<double>& r) {
            r.clear();
            if (x[0] < minOgip)
                return false;
            for (std::size_t i = 0; i < t.size(); ++i)
                r.push_back(value(x, t[i]) - data[i]);
            return true;
        };
    }
};

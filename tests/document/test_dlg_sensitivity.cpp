// The sensitivity range dialog's checks and the order of the results list.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "document/DlgSensitivityData.h"
#include "support/TextFormat.h"
#include "testing/FakeUserInterface.h"

namespace {

const char* const kJ = "JWert=0 bzw Max.Wert<=Min.Wert";
const char* const kOgip = "OGIP=0 bzw Max.Wert<=Min.Wert";
const char* const kWip = "WIP=0 bzw Max.Wert<=Min.Wert";

DlgSensitivityData ranges(double ogip0, double ogip1, double wip0, double wip1, double j0,
                          double j1) {
    DlgSensitivityData d;
    d.m_dMinOGIP = ogip0;
    d.m_dMaxOGIP = ogip1;
    d.m_dMinWIP = wip0;
    d.m_dMaxWIP = wip1;
    d.m_dMinJ = j0;
    d.m_dMaxJ = j1;
    return d;
}

} // namespace

TEST(DlgSensitivity, ChecksInOrderOnlyFirstReported) {
    struct Row {
        DlgSensitivityData data;
        const char* message; // nullptr: accepted
    };
    const Row rows[] = {
        {ranges(100, 400, 10, 40, 1, 4), nullptr},
        {ranges(-400, -100, -40, 10, -4, -1), nullptr}, // negatives are not refused
        {ranges(0, 400, 10, 40, 1, 4), kOgip},          // OGIP minimum 0, J pair valid
        {ranges(0, 400, 10, 40, 0, 4), kJ},             // both invalid: only J
        {ranges(100, 400, 10, 40, 2, 2), kJ},           // equal J values
        {ranges(100, 400, 10, 40, 3, 2), kJ},
        {ranges(100, 400, 10, 40, 1, 0), kJ},
        {ranges(100, 100, 10, 40, 1, 4), kOgip},
        {ranges(100, 0, 10, 40, 1, 4), kOgip},
        {ranges(100, 400, 0, 40, 1, 4), kWip},
        {ranges(100, 400, 10, 0, 1, 4), kWip},
        {ranges(100, 400, 40, 10, 1, 4), kWip},
        {ranges(100, 400, 10, 40, 1, std::numeric_limits<double>::infinity()),
         kJ}, // not a finite range
        // Finite ends whose steps or grid values are not finite.
        {ranges(-1e308, 1e308, 10, 40, 1, 4),
         "OGIP: Der Bereich ist zu groß, seine Rasterwerte sind keine endlichen Zahlen"},
        {ranges(100, 400, -1.7e308, 1.7e308, 1, 4),
         "WIP: Der Bereich ist zu groß, seine Rasterwerte sind keine endlichen Zahlen"},
        {ranges(100, 400, 10, 40, -1e308, 1e308),
         "JWert: Der Bereich ist zu groß, seine Rasterwerte sind keine endlichen Zahlen"},
        {ranges(1, 1e308, 10, 40, 1, 4), nullptr}, // large but finite throughout
    };
    int index = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(index++);
        FakeUserInterface ui{FakeUserInterface::Strict};
        DlgSensitivityData d = r.data;
        EXPECT_EQ(d.OnButtonOK(ui), r.message == nullptr);
        EXPECT_EQ(d.m_bSensitivitaet, r.message == nullptr ? 1 : 0);
        if (r.message) {
            EXPECT_EQ(ui.messages, std::vector<std::string>{r.message});
        } else {
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST(DlgSensitivity, ResultsSortedByErrorAsNumbers) {
    auto line = [](double e, double ogip) {
        return brelvan::cformat("%6.4f   %12.1f   %12.1f   %12.1f", e, ogip, 10.0, 1.0);
    };
    const std::string noValue = "kein Wert      100.0           10.0            1.0";
    const std::vector<std::string> lines = {
        line(12.5, 100), line(2.25, 200), "",    line(1.5, 300), noValue, line(10.0, 400),
        line(2.25, 500), line(0.75, 600), "   ",
    };
    const std::vector<std::string> expected = {
        line(0.75, 600),
        line(1.5, 300),
        line(2.25, 200),
        line(2.25, 500),
        line(10.0, 400),
        line(12.5, 100),
        "",
        noValue,
        "   ",
    };
    EXPECT_EQ(sortSensResults(lines), expected);
    EXPECT_TRUE(sortSensResults({}).empty());
}

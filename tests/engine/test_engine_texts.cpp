// English beside German in the engine: every text the engine shows has its translation, the
// English report carries the German report's numbers in the same columns, and the German report
// stays as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "testing/EngineCases.h"
#include "document/HeadlessSession.h"
#include "engine/Diagnostics.h"
#include "engine/EngineTexts.h"
#include "engine/Report.h"
#include "engine/Sensitivity.h"
#include "engine/WaterZoneModels.h"
#include "testing/EnglishScope.h"
#include "testing/FakeUserInterface.h"
#include "testing/FitCases.h"
#include "testing/CatalogueScan.h"

namespace {

using brelvan::testing::conversions;

// The headers whose named constants hold texts the engine shows.
const char* const kTextHeaders[] = {"src/engine/Report.h", "src/engine/Sensitivity.h",
                                    "src/engine/DayNumber.h"};

// What is left of `text` without its printf conversions.
std::string withoutConversions(std::string text) {
    for (const std::string& c : conversions(text))
        text.erase(text.find(c), c.size());
    return text;
}

bool holdsWords(const std::string& text) {
    const std::string rest = withoutConversions(text);
    return std::any_of(rest.begin(), rest.end(),
                       [](unsigned char c) { return std::isalpha(c) || c >= 0x80; });
}

// Every text of the named constants of `header` that holds words (adjacent literals joined,
// escapes decoded); the component labels, the same in every language, left out.
std::vector<std::string> namedTexts(const std::string& header) {
    using namespace brelvan::testing::scan_detail;
    std::ifstream in(std::string(BRELVAN_SOURCE_DIR) + "/" + header, std::ios::binary);
    const std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        if (s.compare(i, 2, "//") == 0 || (s[i] == '#' && (i == 0 || s[i - 1] == '\n'))) {
            i = s.find('\n', i);
            i = i == std::string::npos ? s.size() : i;
        } else if (s[i] == '"') {
            std::string text;
            while (i < s.size() && s[i] == '"') {
                text += literal(s, i);
                skipSpace(s, i);
            }
            const auto& labels = brelvan::report::kComponentLabels;
            if (holdsWords(text) && std::find(labels.begin(), labels.end(), text) == labels.end())
                out.push_back(text);
        } else {
            ++i;
        }
    }
    return out;
}

// The pieces of a format before each of its conversions.
std::vector<std::string> partsBeforeConversions(const std::string& format) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (const std::string& c : conversions(format)) {
        const std::size_t at = format.find(c, from);
        parts.push_back(format.substr(from, at - from));
        from = at + c.size();
    }
    return parts;
}

// The numbers of a line with their columns: the words between blanks and colons (brackets and
// commas around them left off) that hold digits, dots and signs only.
std::vector<std::pair<std::size_t, std::string>> numbersOf(const std::string& line) {
    std::vector<std::pair<std::size_t, std::string>> out;
    auto separator = [](char c) { return c == ' ' || c == ':' || c == '\n'; };
    for (std::size_t i = 0; i < line.size();) {
        if (separator(line[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && !separator(line[end]))
            ++end;
        std::size_t a = i, b = end;
        while (a < b && (line[a] == '(' || line[a] == ','))
            ++a;
        while (b > a && (line[b - 1] == ')' || line[b - 1] == ',' || line[b - 1] == '.'))
            --b;
        const std::string word = line.substr(a, b - a);
        const bool number = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+';
        }) && std::any_of(word.begin(), word.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
        if (number)
            out.emplace_back(a, word);
        i = end;
    }
    return out;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

// The lines of `messages`, each message split at its line breaks.
std::vector<std::string> linesOf(const std::vector<std::string>& messages) {
    std::vector<std::string> out;
    for (const std::string& m : messages)
        for (std::size_t from = 0; from <= m.size();) {
            const std::size_t end = std::min(m.find('\n', from), m.size());
            out.push_back(m.substr(from, end - from));
            from = end + 1;
        }
    return out;
}

// The German and the English lines hold the same numbers in the same columns, line by line,
// and no German text of the catalogue is left in the English lines.
void expectSameNumbersInSameColumns(const std::vector<std::string>& german,
                                    const std::vector<std::string>& english) {
    ASSERT_EQ(german.size(), english.size()) << joined(german) << joined(english);
    for (std::size_t i = 0; i < german.size(); ++i) {
        EXPECT_EQ(numbersOf(german[i]), numbersOf(english[i])) << "line " << i << "\n"
                                                               << german[i] << "\n"
                                                               << english[i];
    }
    for (const brelvan::TextPair& pair : brelvan::engine::catalogue().pairs()) {
        const std::string g = pair.german;
        if (g == pair.english)
            continue;
        // The German text up to its first conversion, without the blanks around it.
        std::string head = g.substr(0, g.find('%'));
        head.erase(0, head.find_first_not_of(' '));
        head.erase(head.find_last_not_of(" \n") + 1);
        if (head.size() < 6 || !holdsWords(head))
            continue;
        for (const std::string& line : english)
            EXPECT_EQ(line.find(head), std::string::npos) << "German left: " << line;
    }
}

// A case file of the examples opened and computed as the batch tool does, in the current
// language.
std::vector<std::string> exampleReport(const std::string& name, int chartType = 0) {
    FakeUserInterface ui;
    CBrelvanDoc doc;
    brelvan::ConfirmOptions options;
    options.chartType = chartType;
    EXPECT_EQ(
        brelvan::openCase(doc, ui, std::string(BRELVAN_SOURCE_DIR) + "/examples/" + name, options),
        brelvan::OpenOutcome::Opened)
        << name;
    return doc.m_Ausgabe;
}

} // namespace

TEST(EngineTexts, CatalogueHoldsEveryTextOfTheLayerOnce) {
    std::vector<std::string> used = brelvan::testing::txLiterals("src/engine");
    EXPECT_GE(used.size(), 40u);
    for (const char* header : kTextHeaders) {
        const std::vector<std::string> named = namedTexts(header);
        EXPECT_FALSE(named.empty()) << header;
        used.insert(used.end(), named.begin(), named.end());
    }
    // The scan reaches the report's constants, joined literals included.
    const std::vector<std::string> report = namedTexts("src/engine/Report.h");
    EXPECT_NE(std::find(report.begin(), report.end(), brelvan::report::kOgip), report.end());
    EXPECT_NE(std::find(report.begin(), report.end(), brelvan::report::kInvalidCase), report.end());
    EXPECT_EQ(std::find(report.begin(), report.end(), brelvan::report::kMeasuredRow), report.end());
    const auto problems = brelvan::testing::catalogueProblems(brelvan::engine::catalogue(), used);
    EXPECT_TRUE(problems.empty()) << joined(problems);
}

// Each English report line keeps the width of the German one before every number, and the
// table header keeps its columns.
TEST(EngineTexts, ReportLinesKeepTheGermanWidthsBeforeEveryNumber) {
    const brelvan::Catalogue& catalogue = brelvan::engine::catalogue();
    std::vector<std::string> lines = namedTexts("src/engine/Report.h");
    lines.emplace_back(brelvan::sens::kResultLineNoError);
    {
        for (const std::string& german : lines) {
            const std::string english(catalogue.english(german).value_or(german));
            std::vector<std::size_t> g, e;
            for (const std::string& part : partsBeforeConversions(german))
                g.push_back(part.size());
            for (const std::string& part : partsBeforeConversions(english))
                e.push_back(part.size());
            EXPECT_EQ(g, e) << german << "\n" << english;
        }
    }
    using namespace brelvan::report;
    for (const auto* table : {&kTableHeader, &kTableHeaderWater})
        for (std::string_view line : *table)
            EXPECT_EQ(catalogue.english(line).value_or(line).size(), line.size()) << line;
    EXPECT_EQ(catalogue.english(kIntervalScheme)->find(':'), kIntervalScheme.find(':'));
    EXPECT_EQ(catalogue.english(kMeanErrorNone)->substr(0, kMeanErrorPrefix.size()),
              catalogue.english(kMeanErrorPrefix));
}

// The reports of the bundled cases: the English one has every number of the German one in its
// column, and the German one is the same before and after an English run.
TEST(EngineTexts, EnglishReportsOfTheExamplesHaveTheGermanNumbersInTheirColumns) {
    for (const auto& [name, chartType] : {std::pair<const char*, int>{"beispiel.brv", 0},
                                          {"beispiel.brv", 1},
                                          {"sauergas.brv", 0}}) {
        SCOPED_TRACE(name);
        const std::vector<std::string> german = exampleReport(name, chartType);
        ASSERT_GT(german.size(), 20u);
        const std::vector<std::string> english =
            inEnglish([&] { return exampleReport(name, chartType); });
        expectSameNumbersInSameColumns(german, english);
        EXPECT_NE(german, english);
        EXPECT_EQ(exampleReport(name, chartType), german);
    }
    const std::vector<std::string> english =
        inEnglish([] { return exampleReport("beispiel.brv"); });
    EXPECT_EQ(english[0], "   GAS RESERVOIR WITH FETKOVICH AQUIFER INFLUX");
    EXPECT_EQ(english.back(), "     MEAN ERROR OF THE COMPUTED PRESSURE      : 2.28 BAR");
}

// Every way a run can end or warn, every header line a case can have: the English lines and
// messages have the German numbers in the same columns.
TEST(EngineTexts, EveryEndWarningAndHeaderLineHasTheGermanNumbersInTheirColumns) {
    using brelvan::engine::RunEnd;
    CBrelvanDoc doc;
    setWorkedCase(doc);
    brelvan::engine::RunInputs in = doc.runInputs();
    const WrittenRun worked = runWritten(in);
    ASSERT_EQ(worked.rows.size(), 4u);
    brelvan::engine::RunResult r = worked;
    r.rows.resize(2);
    r.rows[0].settled = false;
    r.rows[0].lastChange = 0.0512;
    r.rows[1].wp = 0.35;
    r.notes = {{brelvan::engine::RunNote::Kind::YearBefore1900, -1, 0, 0},
               {brelvan::engine::RunNote::Kind::NegativeDecay, 2, 1.25, 1200}};
    for (const RunEnd end :
         {RunEnd::Completed, RunEnd::InvalidCase, RunEnd::Time, RunEnd::Production,
          RunEnd::Invasion, RunEnd::Numeric, RunEnd::SearchLimit, RunEnd::ImpossiblePressure,
          RunEnd::ImpossiblePz, RunEnd::ImpossibleInflux}) {
        SCOPED_TRACE(static_cast<int>(end));
        r.status = {end, 2, 1, 7, 2002, 251.26, 250, 200};
        r.unsettled = end == RunEnd::Completed ? 1 : 0;
        for (const auto detail :
             {brelvan::report::Detail::Full, brelvan::report::Detail::GridCase}) {
            const brelvan::report::RunText german = brelvan::report::runText(in, r, detail);
            const brelvan::report::RunText english =
                inEnglish([&] { return brelvan::report::runText(in, r, detail); });
            expectSameNumbersInSameColumns(german.lines, english.lines);
            expectSameNumbersInSameColumns(linesOf(german.messages), linesOf(english.messages));
        }
    }

    // The header lines of the other influx models, the interval-mean scheme and c_e.
    namespace wz = brelvan::waterzone;
    in.rock.h = 20;
    in.rock.mu = 0.5;
    in.rock.phi = 0.2;
    in.rock.rw = 3000;
    in.rock.width = 8000;
    in.ce = 12.5;
    for (const double angle : {360.0, 0.0}) {
        for (const wz::Model model : {wz::Model::VanEverdingenHurst, wz::Model::CarterTracy,
                                      wz::Model::Pot, wz::Model::Fetkovich}) {
            in.rock.angle = angle;
            in.model = model;
            in.scheme = model == wz::Model::Fetkovich ? brelvan::engine::InfluxScheme::IntervalMean
                                                      : brelvan::engine::InfluxScheme::Original;
            std::vector<std::string> german, english;
            brelvan::report::writeHeader(in, 0.935, german);
            inEnglish([&] {
                brelvan::report::writeHeader(in, 0.935, english);
                return 0;
            });
            expectSameNumbersInSameColumns(german, english);
            EXPECT_GE(german.size(), 14u);
        }
    }
}

// Texts the engine composes from numbers keep them in either language: the verdict's reasons
// and the sensitivity search's question.
TEST(EngineTexts, ComposedTextsKeepTheirNumbers) {
    using namespace brelvan::engine;
    auto numbers = [](const std::string& text) {
        std::vector<std::string> out;
        for (const auto& [column, word] : numbersOf(text))
            out.push_back(word);
        return out;
    };
    const brelvan::fit::Point cases[] = {{8000, 0.1, 0.001}, {8000, 16000, 100}};
    for (const brelvan::fit::Point& truth : cases) {
        for (const double depletion : {0.03, 0.35}) {
            RunInputs in = fit_cases::syntheticCase(truth, depletion < 0.1 ? 1 : 10, 4,
                                                    InfluxScheme::Original, 1.0, 3, 1, depletion);
            const Diagnostics german = diagnose(run(in), in);
            const Diagnostics english = inEnglish([&] { return diagnose(run(in), in); });
            EXPECT_EQ(numbers(german.check.reason), numbers(english.check.reason))
                << german.check.reason << "\n"
                << english.check.reason;
            EXPECT_NE(german.check.reason, english.check.reason);
            EXPECT_EQ(
                inEnglish([&] { return verdictLine(english.check); }).rfind("Water influx: ", 0),
                0u);
        }
    }
    CBrelvanDoc doc;
    setWorkedCase(doc);
    const RunInputs base = doc.runInputs();
    const brelvan::sens::Ranges ranges{3000, 7000, 1000, 40000, 10, 100};
    const brelvan::sens::SearchResult german = brelvan::sens::search(base, ranges, 2);
    const brelvan::sens::SearchResult english =
        inEnglish([&] { return brelvan::sens::search(base, ranges, 2); });
    EXPECT_EQ(numbers(german.question), numbers(english.question)) << english.question;
    EXPECT_EQ(english.lines, german.lines);
}

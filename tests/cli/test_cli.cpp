// The batch tool end to end: the built binary on the bundled examples.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <thread>

#include "support/TextFormat.h"
#include "testing/CliRun.h"
#include "testing/TestFiles.h"
#include "testing/WorkedCase.h"

namespace {

using cli_run::quoted;
using CliRun = cli_run::Result;

const std::string kExamples = std::string(BRELVAN_SOURCE_DIR) + "/examples/";
const std::string kBeispiel = kExamples + "beispiel.brv";

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST(Cli, BerichtWritesTheReportFileAsAusTxt) {
    TempDir dir;
    const std::string aus = dir.file("bericht.txt");
    const CliRun r = cli_run::run({"bericht", kBeispiel, "--aus", aus});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(aus), "beispiel.brv\n" + r.out);

    const CliRun bad = cli_run::run({"bericht", kBeispiel, "--aus", dir.file("fehlt/bericht.txt")});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("fehlt/bericht.txt"), std::string::npos) << bad.err;
}

TEST(Cli, ExitStatusesAndMessages) {
    TempDir dir;
    CBrelvanDoc truncated;
    worked_case::set(truncated);
    writeFile(dir.file("kurz.brv"), caseBytes(truncated).substr(0, 100));
    const std::string noLines = dir.file("leer.brv");
    ASSERT_EQ(cli_run::run({"neu", noLines}).status, 0);
    // A case from an older program may hold a value the dialog's ranges refuse.
    const std::string bigCase = dir.file("gross.brv");
    ASSERT_EQ(cli_run::run({"neu", bigCase, "--druckdatei", kExamples + "druckwerte.txt"}).status,
              0);
    {
        const std::string bytes = readFile(bigCase);
        ByteReader ar(bytes);
        CBrelvanDoc big;
        const brelvan::IoResult<> read = big.Serialize(ar);
        ASSERT_TRUE(read) << read.error();
        big.m_dOGIP = 1e6;
        writeFile(bigCase, caseBytes(big));
    }
    // A damaged file may hold a number that is not finite.
    CBrelvanDoc damaged;
    worked_case::set(damaged);
    damaged.m_dTemperatur = std::numeric_limits<double>::quiet_NaN();
    const std::string nanCase = dir.file("nan.brv");
    writeFile(nanCase, caseBytes(damaged));

    struct Row {
        std::vector<std::string> args;
        int status;
        const char* inErr; // part of the German message
    };
    const Row rows[] = {
        {{}, 1, "Aufruf: brelvan-cli BEFEHL"},
        {{"rechne"}, 1, "Unbekannter Befehl „rechne“"},
        {{"bericht"}, 1, "Bitte genau eine Falldatei angeben."},
        {{"bericht", kBeispiel, "--y", "1"}, 1, "Unbekannte Option „--y“"},
        {{"bericht", kBeispiel, "--x"}, 1, "fehlt ihr Wert"},
        {{"bericht", kBeispiel, "--x", "jahre"}, 1, "--x erwartet"},
        {{"bericht", dir.file("fehlt.brv")}, 2, "kann nicht geöffnet werden"},
        {{"bericht", dir.file("kurz.brv")}, 2, "keine vollständige Brelvan-Falldatei"},
        {{"zeigen", dir.file("kurz.brv")}, 2, "keine vollständige Brelvan-Falldatei"},
        {{"bericht", noLines}, 2, "Es liegen keine Meßwerte vor!"},
        {{"bericht", bigCase}, 2, "Geben Sie eine Zahl zwischen 0.1 und 100000 ein."},
        {{"bericht", nanCase}, 2, "Geben Sie eine Zahl zwischen 0 und 1000 ein."},
        {{"neu", dir.file("x.brv"), "--ogip", "viel"}, 1, "keine gültige Zahl für --ogip"},
        {{"neu", dir.file("x.brv"), "--ogip", "nan"}, 1, "keine gültige Zahl für --ogip"},
        {{"neu", dir.file("x.brv"), "--gas", "CH5=100"}, 1, "Unbekannte Gaskomponente"},
        {{"neu", dir.file("x.brv"), "--beginn", "1.1"}, 1, "kein Datum"},
        {{"neu", dir.file("fehlt/x.brv")}, 2, "ihren Ordner gibt es nicht"},
        // The input checks run before anything is written.
        {{"neu", dir.file("abgelehnt.brv"), "--temperatur", "1e308"},
         2,
         "--temperatur: Geben Sie eine Zahl zwischen 0 und 1000 ein."},
        {{"neu", dir.file("abgelehnt.brv"), "--gas", "CH4=-50,CO2=150"},
         2,
         "--gas CO2: Geben Sie eine Zahl zwischen 0 und 100 ein."},
        {{"neu", dir.file("abgelehnt.brv"), "--beginn", "1.1.1800"},
         2,
         "--beginn: Geben Sie eine ganze Zahl zwischen 1930 und 2200 ein."},
        {{"neu", dir.file("abgelehnt.brv"), "--phi", "2"},
         2,
         "Geben Sie eine Zahl zwischen 0 und 1 ein."},
        {{"neu", dir.file("abgelehnt.brv"), "--ogip", "--5"}, 1, "keine gültige Zahl für --ogip"},
        // Reading is bounded, and only regular files are replaced.
        {{"zeigen", "/dev/zero"}, 2, "sie ist größer als 64 MiB"},
        {{"bericht", kBeispiel, "--aus", dir.file("rohr")}, 2, "keine gewöhnliche Datei"},
        {{"zeigen", dir.file(std::string(256, 'n'))}, 2, "der Name ist zu lang"},
        {{"neu", dir.file("x.brv"), "--druckdatei", dir.file("fehlt.txt")},
         2,
         "kann nicht geöffnet werden"},
        {{"sensitivitaet", kBeispiel, "--ogip", "4000:6000", "--wip", "1000:30000"},
         1,
         "--jwert MIN:MAX fehlt"},
        {{"sensitivitaet", kBeispiel, "--ogip", "0:6000", "--wip", "1000:30000", "--jwert",
          "10:100"},
         2,
         "OGIP=0 bzw Max.Wert<=Min.Wert"},
        {{"jwert", "--winkel", "0", "--k", "100", "--h", "10", "--mu", "0.5"},
         1,
         "Die Option --phi fehlt."},
        {{"jwert", "--winkel", "0", "--k", "0", "--h", "10", "--mu", "0.5", "--phi", "0.2"},
         2,
         "Die Permeabilität bzw.die Mächtigkeit sind Null"},
        {{"zwert", "--temperatur", "100", "--druck", "200"}, 1, "entweder eine Falldatei"},
        {{"zwert", "--gas", "CH4=60,CO2=50", "--temperatur", "100", "--druck", "200"},
         2,
         "Die Summe der Gaskomponenten ist > 100 !"},
        {{"grafik", "--help"}, -2, ""},
    };
    ASSERT_EQ(::mkfifo(dir.file("rohr").c_str(), 0644), 0);
    for (const Row& r : rows) {
        const CliRun run = cli_run::run(r.args);
        std::string what;
        for (const auto& a : r.args)
            what += a + " ";
        if (r.status == -2) { // with or without a chart: no crash, a known status
            EXPECT_TRUE(run.status == 0 || run.status == 1) << what;
            continue;
        }
        EXPECT_EQ(run.status, r.status) << what << "\n" << run.err;
        EXPECT_NE(run.err.find(r.inErr), std::string::npos) << what << "\n" << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("abgelehnt.brv")));
}

// A measurement file that can be read only once (a FIFO) is read once.
TEST(Cli, ANewCaseReadsAMeasurementFifoOnce) {
    TempDir dir;
    const std::string fifo = dir.file("messwerte");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::thread writer([&] {
        const std::string bytes = readFile(kExamples + "druckwerte.txt");
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        if (fd >= 0) {
            (void)!::write(fd, bytes.data(), bytes.size());
            ::close(fd);
        }
    });
    const CliRun r = cli_run::run({"neu", dir.file("f.brv"), "--druckdatei", fifo});
    writer.join();
    ASSERT_EQ(r.status, 0) << r.err;
    const CliRun shown = cli_run::run({"zeigen", dir.file("f.brv")});
    const CliRun direct =
        cli_run::run({"neu", dir.file("g.brv"), "--druckdatei", kExamples + "druckwerte.txt"});
    ASSERT_EQ(direct.status, 0);
    EXPECT_EQ(shown.out, cli_run::run({"zeigen", dir.file("g.brv")}).out);
}

TEST(Cli, HelpOnEveryCommand) {
    const CliRun general = cli_run::run({"--help"});
    EXPECT_EQ(general.status, 0);
    for (const char* command :
         {"bericht", "sensitivitaet", "jwert", "zwert", "neu", "zeigen", "grafik"})
        EXPECT_NE(general.out.find(command), std::string::npos) << command;
    for (const char* command : {"bericht", "sensitivitaet", "jwert", "zwert", "neu", "zeigen"}) {
        const CliRun r = cli_run::run({command, "--help"});
        EXPECT_EQ(r.status, 0) << command;
        EXPECT_EQ(r.out.rfind(std::string("Aufruf: brelvan-cli ") + command, 0), 0u) << r.out;
    }
}

TEST(Cli, NeuAndZeigenKeepEveryStoredValue) {
    TempDir dir;
    const std::string path = dir.file("neu.brv");
    const CliRun made = cli_run::run({"neu",          path,
                                      "--feld",       "Meßfeld Ost",
                                      "--gas",        "h2s=1.5,CO2=2,CH4=96.5",
                                      "--temperatur", "95.25",
                                      "--druck",      "310",
                                      "--ogip",       "0.1",
                                      "--wip",        "12000",
                                      "--kompress",   "8.5",
                                      "--jwert",      "+75",
                                      "--beginn",     "15.6.1994",
                                      "--k",          "0.1",
                                      "--winkel",     "90",
                                      "--verfahren",  "intervall",
                                      "--druckdatei", kExamples + "druckwerte.txt"});
    ASSERT_EQ(made.status, 0) << made.err;
    const CliRun shown = cli_run::run({"zeigen", path});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const auto lines = shown.lines;
    for (const char* expected : {"m_dKompress: 8.5",
                                 "m_strFeldname: Meßfeld Ost",
                                 "m_iJahr: 1994",
                                 "m_iMonat: 6",
                                 "m_iTag: 15",
                                 "m_dJWert: 75",
                                 "m_dOGIP: 0.10000000000000001",
                                 "m_dDruck: 310",
                                 "m_dTemperatur: 95.25",
                                 "m_dWIP: 12000",
                                 "m_fPermeabilitaet: 0.100000001",
                                 "m_fViskositaet: 1",
                                 "m_fWinkel: 90",
                                 "m_dMaxGp: 1500",
                                 "m_fGas[0]: 1.5",
                                 "m_fGas[1]: 2",
                                 "m_fGas[3]: 96.5",
                                 "m_fGas[14]: 0",
                                 "m_iVerfahren: 1",
                                 "m_Zeilen: 4",
                                 "      1. 7.2002       1200.000   "})
        EXPECT_TRUE(contains(lines, expected)) << expected << "\n" << shown.out;
    EXPECT_EQ(lines.size(), 20u + 15u + 1u + 1u + 4u);

    // Without the option the original scheme, and the file holds no extension block.
    const std::string plain = dir.file("plain.brv");
    ASSERT_EQ(cli_run::run({"neu", plain, "--druckdatei", kExamples + "druckwerte.txt"}).status, 0);
    EXPECT_TRUE(contains(cli_run::run({"zeigen", plain}).lines, "m_iVerfahren: 0"));
    EXPECT_EQ(readFile(plain).find("BRVX"), std::string::npos);
    const CliRun bad = cli_run::run({"neu", plain, "--verfahren", "mittel"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("--verfahren erwartet"), std::string::npos) << bad.err;
}

TEST(Cli, SensitivitaetPrintsTheGridTheSummaryAndTheFinalReport) {
    TempDir dir;
    const std::string saved = dir.file("angepasst.brv");
    const CliRun r = cli_run::run({"sensitivitaet", kBeispiel, "--ogip", "4000:7000", "--wip",
                                   "5000:20000", "--jwert", "20:80", "--speichern", saved});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = r.lines;
    ASSERT_GT(lines.size(), 70u);
    // Case order: the J value changes fastest.
    EXPECT_NE(lines[0].find("         4000.0         5000.0           20.0"), std::string::npos)
        << lines[0];
    EXPECT_NE(lines[1].find("         4000.0         5000.0           40.0"), std::string::npos)
        << lines[1];
    EXPECT_NE(lines[63].find("         7000.0        20000.0           80.0"), std::string::npos)
        << lines[63];
    EXPECT_EQ(lines[64], " ");
    EXPECT_EQ(lines[65], "Es wurden 65 Fälle gerechnet");
    EXPECT_EQ(lines[66].rfind("Min.Error: ", 0), 0u) << lines[66];
    EXPECT_EQ(lines[67], " ");
    EXPECT_EQ(lines[68], "   GASLAGERSTAETTE MIT INVASION EINES BRELVANS NACH FETKOVITCH");
    EXPECT_EQ(r.err.find("Wollen Sie"), std::string::npos);

    // The saved case carries the adopted values, which the summary names.
    const CliRun shown = cli_run::run({"zeigen", saved});
    ASSERT_EQ(shown.status, 0);
    std::string ogip;
    for (const auto& line : shown.lines)
        if (line.rfind("m_dOGIP: ", 0) == 0)
            ogip = line.substr(9);
    EXPECT_NE(lines[66].find(" OGIP: " + ogip + ".0 "), std::string::npos)
        << lines[66] << " / " << ogip;

    // Every grid case below the production: no case has an error value; the summary says so
    // and the case keeps its values.
    const CliRun none = cli_run::run({"sensitivitaet", kBeispiel, "--ogip", "100:400", "--wip",
                                      "5000:20000", "--jwert", "20:80"});
    ASSERT_EQ(none.status, 0) << none.err;
    const auto noneLines = none.lines;
    ASSERT_GT(noneLines.size(), 70u);
    EXPECT_EQ(noneLines[65], "Es wurden 65 Fälle gerechnet");
    EXPECT_EQ(noneLines[66].rfind("Kein Fall ergab einen Fehlerwert", 0), 0u) << noneLines[66];
    EXPECT_EQ(noneLines.back(), "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 2.28 BAR");
    EXPECT_NE(none.err.find("ABBRUCH KUM.PRODUKTION"), std::string::npos);
}

TEST(Cli, JWertAndZWert) {
    const CliRun linear =
        cli_run::run({"jwert", "--winkel", "0", "--k", "100", "--h", "10", "--mu", "0.5", "--phi",
                      "0.2", "--tiefe", "5000", "--breite", "1000"});
    EXPECT_EQ(linear.status, 0) << linear.err;
    EXPECT_EQ(linear.out, "J-Wert: 10.172000\nWIP: 10.000000\n");

    const CliRun thin = cli_run::run({"jwert", "--winkel", "90", "--k", "100", "--h", "10", "--mu",
                                      "1", "--phi", "0.2", "--rw", "1000", "--re", "2000"});
    EXPECT_EQ(thin.status, 0) << thin.err;
    EXPECT_NE(thin.err.find("B: 2356.19 und der Tiefe L: 1000.00"), std::string::npos) << thin.err;

    const CliRun methane =
        cli_run::run({"zwert", "--gas", "CH4=100", "--temperatur", "80", "--druck", "250"});
    ASSERT_EQ(methane.status, 0) << methane.err;
    EXPECT_EQ(methane.lines.at(0), "Tpc: 343.500000");
    // The worked case's initial z-value, and the same from its case file.
    EXPECT_EQ(methane.lines.at(2).rfind("z: 0.935", 0), 0u) << methane.out;
    EXPECT_EQ(cli_run::run({"zwert", kBeispiel, "--temperatur", "80", "--druck", "250"}).out,
              methane.out);
}

TEST(Cli, TheExamplesAreWhatTheScriptMakes) {
    TempDir dir;
    const std::string command =
        quoted(std::string(BRELVAN_SOURCE_DIR) + "/examples/make-examples.sh") + " " +
        quoted(BRELVAN_CLI) + " " + quoted(dir.path().string()) + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"beispiel.brv", "sauergas.brv"})
        EXPECT_EQ(readFile(dir.file(name)), readFile(kExamples + name)) << name;
}

TEST(Cli, VerfahrenChoosesTheInfluxSchemeForReportAndSearch) {
    TempDir dir;
    const CliRun original = cli_run::run({"bericht", kBeispiel});
    const CliRun interval = cli_run::run({"bericht", kBeispiel, "--verfahren", "intervall"});
    ASSERT_EQ(interval.status, 0) << interval.err;
    EXPECT_EQ(cli_run::run({"bericht", kBeispiel, "--verfahren", "original"}).out, original.out);
    const auto a = original.lines, b = interval.lines;
    ASSERT_EQ(b.size(), a.size() + 1);
    const auto at = std::find(b.begin(), b.end(),
                              "   ZUFLUSSBERECHNUNG                  :INTERVALLMITTEL NACH "
                              "FETKOVITCH");
    ASSERT_NE(at, b.end());
    EXPECT_EQ(*(at - 1), a[static_cast<std::size_t>(at - b.begin() - 1)]);
    EXPECT_NE(b.back(), a.back()); // another scheme, another mean error

    // The search runs every grid case with the scheme and saves it with the fitted values.
    const std::string saved = dir.file("intervall.brv");
    const CliRun sens =
        cli_run::run({"sensitivitaet", kBeispiel, "--ogip", "4000:7000", "--wip", "5000:20000",
                      "--jwert", "20:80", "--verfahren", "intervall", "--speichern", saved});
    ASSERT_EQ(sens.status, 0) << sens.err;
    EXPECT_TRUE(contains(sens.lines,
                         "   ZUFLUSSBERECHNUNG                  :INTERVALLMITTEL NACH FETKOVITCH"));
    EXPECT_TRUE(contains(cli_run::run({"zeigen", saved}).lines, "m_iVerfahren: 1"));
    EXPECT_EQ(cli_run::run({"bericht", kBeispiel, "--verfahren", "mittel"}).status, 1);
}

// The gas zone's values and produced water through the batch tool: neu takes them, zeigen
// and bericht show them, a value out of its range names its option.
TEST(Cli, NeuTakesTheGasZoneAndProducedWater) {
    TempDir dir;
    const std::string druck = dir.file("druck.txt");
    writeFile(druck, "Feld W\n1.1.2001 500 225 0.05\n1.7.2002 1200 0 0.35\n1.1.2003 1500 185\n");
    const std::string fall = dir.file("wasser.brv");
    ASSERT_EQ(
        cli_run::run({"neu",    fall,   "--gas", "CH4=100", "--temperatur", "80", "--druck", "250",
                      "--ogip", "5000", "--wip", "20000",   "--cf",         "10", "--cw",    "4.5",
                      "--swi",  "0.3",  "--bw",  "1.03",    "--druckdatei", druck})
            .status,
        0);
    const std::vector<std::string> shown = cli_run::run({"zeigen", fall}).lines;
    for (const char* expected :
         {"m_dKompressFormation: 10", "m_dKompressWasser: 4.5", "m_dSwi: 0.29999999999999999",
          "m_dBw: 1.03", "      1. 1.2001        500.000             225.0       0.0500",
          "      1. 7.2002       1200.000               0.0       0.3500"})
        EXPECT_TRUE(contains(shown, expected)) << expected;
    const std::vector<std::string> report = cli_run::run({"bericht", fall}).lines;
    EXPECT_TRUE(contains(report, "   KOMPR. GASZONE C_E        (E-5/BAR):   16.21"));
    EXPECT_TRUE(contains(report, "       DATUM    ZEIT   KUM.   DRUCK   DRUCK    P/Z    P/Z     "
                                 "WE     OGIP      WP"));

    const CliRun bad = cli_run::run({"neu", dir.file("x.brv"), "--swi", "0.95"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--swi"), std::string::npos) << bad.err;
}

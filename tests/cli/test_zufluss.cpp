// The influx calculator "zufluss" end to end: units, tables and models through the batch tool.
#include <gtest/gtest.h>

#include <sstream>

#include "testing/CliRun.h"
#include "testing/TestFiles.h"

namespace {

using ZuflussRun = cli_run::Result;

ZuflussRun zufluss(std::vector<std::string> args) {
    args.insert(args.begin(), "zufluss");
    return cli_run::run(args);
}

// A full ring, Rw 1000 m, h 10 m, phi 0.2, mu 1 cP, c 10E-5/bar, k 100 mD: t_D per day
// 852.7017 * 100 / (0.2 * 1 * 10 * 1000^2) = 0.04263509, U = 2 pi * 0.2 * 10 * 1e-4 * 1000^2 m3/bar
// = 1.2566371e-3 Mio m3/bar.
const std::vector<std::string> kRing = {"--k",      "100",   "--h",  "10",         "--mu",
                                        "1",        "--phi", "0.2",  "--kompress", "10",
                                        "--winkel", "360",   "--rw", "1000"};

std::vector<std::string> with(std::vector<std::string> a, const std::vector<std::string>& more) {
    a.insert(a.end(), more.begin(), more.end());
    return a;
}

double weOfLine(const std::string& out, int index) {
    std::istringstream in(out);
    std::string line;
    for (int i = 0; i <= index; ++i)
        std::getline(in, line);
    std::istringstream fields(line);
    double days = 0, we = 0;
    fields >> days >> we;
    return we;
}

} // namespace

// A drop of 10 bar at day 0 (two lines at day 0 put the whole drop on the first step) on an
// infinite ring gives WE = U * 10 * W_D(t_D); at t_D 1 and 100 the van Everdingen-Hurst (1949)
// table gives W_D 1.569 and 43.01.
TEST(Zufluss, InfiniteRingAgreesWithThePublishedTable) {
    TempDir dir;
    const double perDay = 852.7017 * 100 / (0.2 * 1 * 10 * 1e6);
    writeFile(dir.file("p.txt"), "Tage Druck\n0 250\n0 240\n" + std::to_string(1 / perDay) +
                                     " 240\n" + std::to_string(100 / perDay) + " 240\n");
    const ZuflussRun r = zufluss(
        with(kRing, {"--modell", "veh", "--re", "unendlich", "--druckverlauf", dir.file("p.txt")}));
    ASSERT_EQ(r.status, 0) << r.err;
    const double u = 2 * 3.141592653589793 * 0.2 * 10 * 1e-4 * 1e6 * 1e-6;
    EXPECT_NEAR(weOfLine(r.out, 2), u * 10 * 1.569, 1e-3 * u * 10 * 1.569);
    EXPECT_NEAR(weOfLine(r.out, 3), u * 10 * 43.01, 1e-3 * u * 10 * 43.01);
    EXPECT_EQ(r.out.substr(0, 22), "0.0 0.000000\n0.0 0.000");
}

// The pot gives c W Δp at once: W = 3.14159 * 0.2 * 10 * (2000^2 - 1000^2) / 10^6 = 18.84954
// Mio m3, so 10 bar give 1e-4 * 18.84954 * 10 = 0.018850 Mio m3; decimal commas after ";".
TEST(Zufluss, PotAndTheFileFormat) {
    TempDir dir;
    writeFile(dir.file("p.txt"), "0;250\r\n\r\n30,5;240\r\n");
    const ZuflussRun r = zufluss(
        with(kRing, {"--modell", "topf", "--re", "2000", "--druckverlauf", dir.file("p.txt")}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "0.0 0.000000\n30.5 0.018850\n");
}

TEST(Zufluss, RefusesBadInputWithAGermanMessage) {
    TempDir dir;
    const std::string file = dir.file("p.txt");
    const auto run = [&](const std::string& text, std::vector<std::string> extra) {
        writeFile(file, text);
        return zufluss(with(with(kRing, extra), {"--druckverlauf", file}));
    };
    ZuflussRun r = run("0 250\n100 240\n50 230\n", {"--modell", "veh", "--re", "5000"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Zeile 3 des Druckverlaufs liegt zeitlich vor der vorigen"),
              std::string::npos)
        << r.err;
    r = run("10 250\n", {"--modell", "veh", "--re", "5000"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("muss Tag 0"), std::string::npos) << r.err;
    r = run("0 250\n10 abc\n", {"--modell", "veh", "--re", "5000"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Zeile 2"), std::string::npos) << r.err;
    r = run("0 250\n10 240\n", {"--modell", "veh", "--re", "500"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("fehlt der Radius bis Brelvanende (Re > Rw)"), std::string::npos) << r.err;
    r = run("0 250\n", {"--modell", "topf", "--re", "unendlich"});
    EXPECT_EQ(r.status, 2);
    r = run("0 250\n", {"--modell", "hurst", "--re", "5000"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--modell erwartet"), std::string::npos) << r.err;
    r = run("0 250\n", {"--modell", "veh", "--tiefe", "5000"});
    EXPECT_EQ(r.status, 1);
    r = zufluss({"--modell", "veh", "--druckverlauf", dir.file("fehlt.txt"), "--kompress", "1",
                 "--winkel", "0"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("fehlt.txt"), std::string::npos) << r.err;
}

namespace {

ZuflussRun tool(const std::string& command, std::vector<std::string> args) {
    args.insert(args.begin(), command);
    return cli_run::run(args);
}

} // namespace

// The worked case with a full ring as its water zone: "--modell" for bericht and neu, the
// header line of the model, the refusal of a case without the model's geometry, and the
// comparison of "anpassen --modell alle".
TEST(ZuflussModel, ModelOptionThroughTheBatchTool) {
    TempDir dir;
    const std::string fall = dir.file("veh.brv");
    const std::string examples = std::string(BRELVAN_SOURCE_DIR) + "/examples/";
    ZuflussRun r = tool("neu", {fall,         "--druckdatei", examples + "druckwerte.txt",
                                "--ogip",     "5000",         "--wip",
                                "20000",      "--jwert",      "50",
                                "--kompress", "9.5",          "--druck",
                                "250",        "--temperatur", "80",
                                "--gas",      "CH4=100",      "--beginn",
                                "1.1.2000",   "--winkel",     "360",
                                "--h",        "20",           "--mu",
                                "0.5",        "--phi",        "0.2",
                                "--rw",       "3000",         "--modell",
                                "veh"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = tool("zeigen", {fall});
    EXPECT_NE(r.out.find("m_iModell: 1 (van Everdingen–Hurst)"), std::string::npos) << r.out;
    r = tool("bericht", {fall});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("   ZUFLUSSMODELL                      :VAN EVERDINGEN-HURST\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("   AUSSENRADIUS AUS WIP             (M):"), std::string::npos);
    r = tool("bericht", {fall, "--modell", "fetkovich"});
    EXPECT_EQ(r.out.find("ZUFLUSSMODELL"), std::string::npos);
    r = tool("bericht", {examples + "beispiel.brv", "--modell", "carter-tracy"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Für das Zuflussmodell Carter–Tracy fehlt die Mächtigkeit (h > 0)."),
              std::string::npos)
        << r.err;
    r = tool("bericht", {fall, "--modell", "hurst"});
    EXPECT_EQ(r.status, 1);
    r = tool("anpassen", {fall, "--modell", "alle"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* name : {"Fetkovich", "van Everdingen–Hurst", "Carter–Tracy", "Topf"})
        EXPECT_NE(r.out.find(std::string("\n") + name), std::string::npos) << name;
    EXPECT_NE(r.out.find("* am besten gestützt"), std::string::npos) << r.out;
}

// What a failed export leaves behind: for every picture exporter (the chart, the diagnostic
// plots, the misfit map) in every picture format, and for the map's CSV and workbook, a write
// that fails midway (a full disk) or cannot start (a read-only folder, a read-only file) leaves
// the old file byte for byte and no temporary file, and says so. A text with control
// characters still gives a readable SVG.
#include <QFile>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>
#include <functional>
#include <sys/stat.h>

#include "document/CBrelvanDoc.h"
#include "testing/FullDisk.h"
#include "views/ChartExport.h"
#include "views/DiagnosticChart.h"
#include "views/MisfitMapPainter.h"
#include "views/PictureFile.h"

using namespace brelvan::views;
using brelvan::IoResult;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void fillCase(CBrelvanDoc& doc, const std::string& fieldName) {
    doc.OnNewDocument();
    doc.m_strFeldname = fieldName;
    const float x[] = {0, 366, 731, 912, 1096};
    const float p[] = {250, 223.8f, 201.8f, 194.4f, 182.5f};
    const float we[] = {0, 1.2f, 3.9f, 5.1f, 6.8f};
    for (int i = 0; i < 5; ++i) {
        doc.m_fXRechen[i] = x[i];
        doc.m_fPRechen[i] = p[i];
        doc.m_fWERechen[i] = we[i];
        doc.m_fXMess[i] = x[i];
        doc.m_fPMess[i] = p[i] + 1.5f;
    }
    doc.m_MaxWerte = 4;
    doc.m_Max2Werte = 4;
    doc.m_bNeueDaten = true;
}

DiagnosticData diagnosticSample(const std::string& fieldName) {
    DiagnosticData d;
    d.valid = true;
    d.fieldName = fieldName;
    d.pInit = 250;
    const double gp[] = {300, 700, 1100, 1500, 2000};
    for (int i = 0; i < 5; ++i) {
        brelvan::engine::RowRecord r;
        r.days = 365.0 * (i + 1);
        r.gp = gp[i];
        r.we = 0.5 * i;
        r.pz = 267.4 * (1 - gp[i] / 5000);
        r.p = r.pz * 0.93;
        r.measured = true;
        r.pMeasured = r.p + 1;
        r.pzMeasured = r.pMeasured / 0.93;
        d.rows.push_back(r);
    }
    d.diag = brelvan::engine::diagnose(d.rows, 267.4, 80, 5000, 0);
    return d;
}

brelvan::fit::MisfitMap mapSample() {
    brelvan::fit::MisfitMap map;
    map.points = 21;
    for (int i = 0; i < map.points; ++i) {
        map.valuesA.push_back(4000 + 250.0 * i);
        map.valuesB.push_back(100 + 50.0 * i);
    }
    for (int i = 0; i < map.points; ++i)
        for (int k = 0; k < map.points; ++k) {
            brelvan::fit::MapCell c;
            c.x = {map.valuesA[static_cast<std::size_t>(i)],
                   map.valuesB[static_cast<std::size_t>(k)], 50};
            c.misfit.valid = true;
            c.misfit.n = 10;
            c.misfit.rms = 1 + std::hypot(i - 10, k - 10);
            c.misfit.ss = c.misfit.rms * c.misfit.rms * 10;
            c.misfit.meanAbs = c.misfit.rms * 0.8;
            map.cells.push_back(c);
        }
    map.bestCell = 10 * 21 + 10;
    map.contourRms = 2.5;
    return map;
}

// One export of the test: writes `path`, the failure's reason on failure.
struct Exporter {
    const char* name;
    const char* ending;
    std::function<IoResult<>(const std::string& path)> write;
};

std::vector<Exporter> exporters(const CBrelvanDoc& doc, const DiagnosticData& data,
                                const brelvan::fit::MisfitMap& map) {
    std::vector<Exporter> out;
    for (const char* ending : {"svg", "png", "pdf"}) {
        out.push_back({"Grafik", ending, [&doc](const std::string& path) {
                           return exportChart(doc, QString::fromStdString(path), {});
                       }});
        out.push_back({"Diagnose", ending, [&data](const std::string& path) {
                           return exportDiagnosticChart(DiagnosticKind::PZ, data,
                                                        QString::fromStdString(path));
                       }});
    }
    for (const char* ending : {"svg", "png", "pdf", "csv", "xlsx"})
        out.push_back({"Fehlerkarte", ending, [&map](const std::string& path) {
                           return exportMisfitMapFile(map, "Feld", path);
                       }});
    return out;
}

const std::string kOld = "die bisherige Datei, die bleiben muss\n";

} // namespace

class TestExportFaults : public QObject {
    Q_OBJECT

    // Every export on a disk that fills up midway: once on a real full file system (where
    // one can be mounted), once through the writer's fault hook.
    void fullDisk(FullDisk::Kind kind) {
        CBrelvanDoc doc;
        fillCase(doc, "Beispielfeld");
        const DiagnosticData data = diagnosticSample("Beispielfeld");
        const brelvan::fit::MisfitMap map = mapSample();
        FullDisk disk(kind);
        qInfo("Schreibfehler durch: %s", disk.how());
        for (const Exporter& e : exporters(doc, data, map)) {
            const std::string name = std::string(e.name) + "." + e.ending;
            const std::string path = disk.file(name);
            // The export works while there is room, and is large enough to fail midway.
            const IoResult<> first = e.write(path);
            QVERIFY2(first, (name + ": " + first.error()).c_str());
            QVERIFY2(readAll(path).size() > 8192, name.c_str());
            writeAll(path, kOld);
            disk.fill(1024);
            const IoResult<> failed = e.write(path);
            disk.release();
            QVERIFY2(!failed, name.c_str());
            QVERIFY2(failed.error().find("kein Platz") != std::string::npos,
                     (name + ": " + failed.error()).c_str());
            QVERIFY2(failed.error().find(name) != std::string::npos, failed.error().c_str());
            QCOMPARE(readAll(path), kOld);
            QCOMPARE(disk.names(), (std::set<std::string>{name}));
            QVERIFY(QFile::remove(QString::fromStdString(path)));
        }
    }

private slots:
    void aFullDiskLeavesTheOldFile() { fullDisk(FullDisk::Kind::FileSystem); }
    void aFailingWriteLeavesTheOldFile() { fullDisk(FullDisk::Kind::Hook); }

    // Root may write anywhere; the exports still keep off a read-only folder and file.
    void readOnlyFoldersAndFilesAreRefused() {
        CBrelvanDoc doc;
        fillCase(doc, "Beispielfeld");
        const DiagnosticData data = diagnosticSample("Beispielfeld");
        const brelvan::fit::MisfitMap map = mapSample();
        FullDisk place(FullDisk::Kind::Hook); // a private folder; nothing fails by itself
        const std::string folder = place.file("nurlesen");
        QVERIFY(std::filesystem::create_directory(folder));
        for (const Exporter& e : exporters(doc, data, map)) {
            const std::string name = std::string(e.name) + "." + e.ending;
            const std::string inFolder = folder + "/" + name;
            writeAll(inFolder, kOld);
            QCOMPARE(::chmod(folder.c_str(), 0555), 0);
            const IoResult<> refused = e.write(inFolder);
            QCOMPARE(::chmod(folder.c_str(), 0755), 0);
            QVERIFY2(!refused, name.c_str());
            QVERIFY2(refused.error().find("schreibgeschützt") != std::string::npos,
                     refused.error().c_str());
            QCOMPARE(readAll(inFolder), kOld);
            QCOMPARE(FullDisk::namesIn(folder), (std::set<std::string>{name}));
            QVERIFY(QFile::remove(QString::fromStdString(inFolder)));

            const std::string file = place.file(name);
            writeAll(file, kOld);
            QCOMPARE(::chmod(file.c_str(), 0444), 0);
            const IoResult<> readOnly = e.write(file);
            QVERIFY2(!readOnly, name.c_str());
            QVERIFY2(readOnly.error().find("schreibgeschützt") != std::string::npos,
                     readOnly.error().c_str());
            QCOMPARE(readAll(file), kOld);
            QVERIFY(QFile::remove(QString::fromStdString(file)));
        }
        QCOMPARE(place.names(), (std::set<std::string>{"nurlesen"}));
    }

    // A field name with control characters (as a measurement file may bring) in every SVG.
    void controlCharactersGiveValidSvg() {
        const std::string field = std::string("Feld\x01\x02 Nord\x1b[0m\x7f \t\x0c");
        CBrelvanDoc doc;
        fillCase(doc, field);
        const DiagnosticData data = diagnosticSample(field);
        const brelvan::fit::MisfitMap map = mapSample();
        FullDisk place(FullDisk::Kind::Hook);
        const std::vector<std::pair<std::string, std::function<IoResult<>(const std::string&)>>>
            pictures = {
                {"grafik.svg",
                 [&](const std::string& p) {
                     return exportChart(doc, QString::fromStdString(p), {});
                 }},
                {"diagnose.svg",
                 [&](const std::string& p) {
                     return exportDiagnosticChart(DiagnosticKind::History, data,
                                                  QString::fromStdString(p));
                 }},
                {"karte.svg",
                 [&](const std::string& p) { return exportMisfitMapFile(map, field, p); }},
            };
        for (const auto& [name, write] : pictures) {
            const IoResult<> written = write(place.file(name));
            QVERIFY2(written, written.error().c_str());
            QXmlStreamReader xml(QByteArray::fromStdString(readAll(place.file(name))));
            bool sawField = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters() && xml.text().contains(QStringLiteral("Nord")))
                    sawField = true;
            }
            QVERIFY2(!xml.hasError(),
                     qPrintable(QString::fromStdString(name) + ": " + xml.errorString()));
            QVERIFY2(sawField, name.c_str());
        }
        // Raw and referenced control characters go, the allowed white space stays.
        QCOMPARE(validXml("<t>a\x01"
                          "b&#1;c&#x1F;d&#9;e\tf&amp;#1;</t>"),
                 QByteArray("<t>a b c d&#9;e\tf&amp;#1;</t>"));
    }
};

QTEST_MAIN(TestExportFaults)
#include "tst_export_faults.moc"

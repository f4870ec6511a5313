// The batch command "grafik" end to end: the built brelvan-cli, through the chart program next to
// it, draws a case's chart into the three formats, in the screen, magnified and page layouts,
// and reports usage and input errors.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

#include "document/CBrelvanDoc.h"
#include "testing/CliRun.h"
#include "testing/WorkedCase.h"

namespace {

const QString kCli = QStringLiteral(BRELVAN_CLI);

// The worked case with the given water in place, written by the core into a folder of the test.
QString makeCase(const QString& folder, double wip) {
    CBrelvanDoc doc;
    worked_case::set(doc);
    doc.m_dWIP = wip;
    const QString path = folder + QStringLiteral("/fall.brv");
    return doc.OnSaveDocument(path.toStdString()) ? path : QString();
}

// "brelvan-cli grafik" with `args`; its exit status, and its standard error in `err`.
int run(const QStringList& args, QString* err = nullptr, const QString& cli = kCli,
        const QString& locale = QString()) {
    std::vector<std::string> words{"grafik"};
    for (const QString& a : args) {
        words.push_back(a.toStdString());
    }
    cli_run::Options options;
    options.program = cli.toStdString();
    if (!locale.isEmpty()) {
        options.environment = "LC_ALL=" + locale.toStdString();
    }
    const cli_run::Result r = cli_run::run(words, options);
    if (err) {
        *err = QString::fromStdString(r.err);
    }
    return r.status;
}

} // namespace

class TestChartCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!QFile::exists(kCli)) {
            QSKIP("brelvan-cli is not built");
        }
    }

    void writesTheChart_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("pixels"); // for PNG files
        QTest::newRow("screen png") << QStringList{} << "a.png" << QSize(794, 510);
        QTest::newRow("magnified png") << QStringList{"--lupe"} << "b.png" << QSize(1039, 652);
        QTest::newRow("landscape page png")
            << QStringList{"--seite", "quer"} << "c.png" << QSize(1754, 1240);
        QTest::newRow("cumulative production svg")
            << QStringList{"--x", "gp"} << "d.svg" << QSize();
        QTest::newRow("portrait page pdf") << QStringList{"--seite", "hoch"} << "e.pdf" << QSize();
    }
    void writesTheChart() {
        QFETCH(QStringList, options);
        QFETCH(QString, name);
        QFETCH(QSize, pixels);
        QTemporaryDir dir;
        const QString fall = makeCase(dir.path(), 10000);
        QString err;
        QCOMPARE(run(QStringList{fall, dir.filePath(name)} + options, &err), 0);
        QVERIFY2(QFile(dir.filePath(name)).size() > 1000, qPrintable(err));
        if (pixels.isValid()) {
            const QImage image(dir.filePath(name));
            QCOMPARE(image.size(), pixels);
            int red = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    red += (image.pixel(x, y) & 0xffffff) == 0xff0000;
                }
            }
            QVERIFY(red > 100);
        }
        if (name.endsWith(".svg")) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().contains("Kum.Produktion in Mio m3"));
        }
    }

    void errors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("no files") << QStringList{} << 1;
        QTest::newRow("unknown ending") << QStringList{"FALL", "x.bmp"} << 1;
        QTest::newRow("unknown option") << QStringList{"FALL", "x.png", "--farbe"} << 1;
        QTest::newRow("bad x axis") << QStringList{"FALL", "x.png", "--x", "jahre"} << 1;
        QTest::newRow("missing page value") << QStringList{"FALL", "x.png", "--seite"} << 1;
        QTest::newRow("switch with a value") << QStringList{"FALL", "x.png", "--lupe=ja"} << 1;
        QTest::newRow("switch twice") << QStringList{"FALL", "x.png", "--lupe", "--lupe"} << 1;
        QTest::newRow("option twice") << QStringList{"FALL", "x.png", "--x", "gp", "--x=tage"} << 1;
        QTest::newRow("missing case file") << QStringList{"/nicht/da.brv", "x.png"} << 2;
        QTest::newRow("input out of range") << QStringList{"BAD", "x.png"} << 2;
        QTest::newRow("help") << QStringList{"--help"} << 0;
    }
    void errors() {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        for (QString& a : args) {
            if (a == "FALL") {
                a = makeCase(dir.path(), 10000);
            } else if (a == "BAD") {
                a = makeCase(dir.path(), 0.0); // water in place below its range
            } else if (a == "x.png") {
                a = dir.filePath(a);
            }
        }
        QTEST(run(args), "status");
    }

    // "--sprache" (or "--language") anywhere chooses the chart's heading and the messages,
    // whatever the environment says.
    void chartProgramSpeaksTheLanguageAsked_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("problem");
        QTest::newRow("en over German environment")
            << "--sprache=en"
            << "de_DE.UTF-8"
            << "Shut-in Pressures, Water Influx"
            << "The case file and the output file must be given.";
        QTest::newRow("de over English environment")
            << "--language=de"
            << "en_US.UTF-8"
            << "Schließdrücke und Wasserinvasion"
            << "Anzugeben sind die Falldatei und die Ausgabedatei.";
        QTest::newRow("English environment") << ""
                                             << "en_US.UTF-8"
                                             << "Shut-in Pressures, Water Influx"
                                             << "The case file and the output file must be given.";
    }
    void chartProgramSpeaksTheLanguageAsked() {
        QFETCH(QString, option);
        QFETCH(QString, environment);
        QFETCH(QString, heading);
        QFETCH(QString, problem);
        const QString grafik = QStringLiteral(BRELVAN_BINARY_DIR "/brelvan-grafik");
        QTemporaryDir dir;
        const QString fall = makeCase(dir.path(), 10000);
        const QStringList language = option.isEmpty() ? QStringList() : QStringList{option};
        const auto start = [&](const QStringList& args, QByteArray& output) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("LC_MESSAGES"));
            env.insert(QStringLiteral("LC_ALL"), environment);
            p.setProcessEnvironment(env);
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(grafik, args);
            p.waitForFinished(60000);
            output = p.readAll();
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QByteArray output;
        const QString svg = dir.filePath(QStringLiteral("chart.svg"));
        QCOMPARE(start(QStringList{fall} + language + QStringList{svg}, output), 0);
        QFile f(svg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(f.readAll().contains(heading.toUtf8()), output.constData());
        QCOMPARE(start(language + QStringList{fall}, output), 1);
        QVERIFY2(output.contains(problem.toUtf8()), output.constData());
    }

    // Qt takes the user's locale when the chart program starts; the chart stays the same.
    void decimalCommaLocaleChangesNoByte() {
        const locale_t comma = newlocale(LC_ALL_MASK, "de_DE.UTF-8", nullptr);
        if (comma == nullptr) {
            QSKIP("Die Locale de_DE.UTF-8 fehlt; tools/install-deps.sh erzeugt sie.");
        }
        freelocale(comma);
        QTemporaryDir dir;
        const QString fall = makeCase(dir.path(), 10000);
        QByteArray charts[2];
        const QString locales[2] = {QStringLiteral("C"), QStringLiteral("de_DE.UTF-8")};
        for (int i = 0; i < 2; ++i) {
            const QString svg = dir.filePath(locales[i] + ".svg");
            QCOMPARE(run(QStringList{fall, svg}, nullptr, kCli, locales[i]), 0);
            QFile f(svg);
            QVERIFY(f.open(QIODevice::ReadOnly));
            charts[i] = f.readAll();
        }
        QVERIFY(charts[0].size() > 1000);
        QCOMPARE(charts[1], charts[0]);
    }

    // The chart is drawn by brelvan-grafik from the folder of brelvan-cli; a batch tool
    // without it says so and fails as for a file it cannot use.
    void missingChartProgram() {
        QTemporaryDir dir;
        const QString cli = dir.filePath(QStringLiteral("brelvan-cli"));
        QVERIFY(QFile::copy(kCli, cli));
        QVERIFY(QFile::setPermissions(cli, QFile::ReadOwner | QFile::ExeOwner));
        QString err;
        const QStringList args{makeCase(dir.path(), 10000), dir.filePath(QStringLiteral("x.png"))};
        QCOMPARE(run(args, &err, cli), 2);
        QVERIFY2(err.contains(dir.filePath(QStringLiteral("brelvan-grafik")) + "“ fehlt"),
                 qPrintable(err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.png"))));
    }
};

QTEST_MAIN(TestChartCommand)
#include "tst_chart_command.moc"

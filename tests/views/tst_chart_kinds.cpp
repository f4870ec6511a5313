// "brelvan-cli grafik --art": the built batch tool writes each diagnostic plot of a case (PNG
// with the measured points' markers) on screen size or an A4 page, and refuses an unknown kind.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "document/CBrelvanDoc.h"
#include "testing/CliRun.h"
#include "testing/WorkedCase.h"

namespace {

const QString kCli = QStringLiteral(BRELVAN_CLI);

// "brelvan-cli grafik" with `args`; its exit status, and its standard error in `err`.
int run(const QStringList& args, QString* err = nullptr) {
    std::vector<std::string> words{"grafik"};
    for (const QString& a : args) {
        words.push_back(a.toStdString());
    }
    const cli_run::Result r = cli_run::run(words);
    if (err) {
        *err = QString::fromStdString(r.err);
    }
    return r.status;
}

int greenPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) < 40 && qGreen(p) > 120 && qGreen(p) < 180 && qBlue(p) < 40;
        }
    }
    return n;
}

} // namespace

class TestChartKinds : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_case;

private slots:
    void initTestCase() {
        if (!QFile::exists(kCli)) {
            QSKIP("brelvan-cli is not built");
        }
        CBrelvanDoc doc;
        worked_case::set(doc);
        m_case = m_dir.filePath(QStringLiteral("fall.brv"));
        QVERIFY(doc.OnSaveDocument(m_case.toStdString()));
    }

    void everyKindAsPng_data() {
        QTest::addColumn<QString>("art");
        for (const char* art : {"verlauf", "pz", "cole", "ho", "residuen"}) {
            QTest::newRow(art) << QString::fromLatin1(art);
        }
    }
    void everyKindAsPng() {
        QFETCH(QString, art);
        const QString out = m_dir.filePath(art + QStringLiteral(".png"));
        QString err;
        QCOMPARE(run({m_case, out, QStringLiteral("--art"), art, QStringLiteral("--x"),
                      QStringLiteral("gp")},
                     &err),
                 0);
        const QImage image(out);
        QCOMPARE(image.size(), QSize(2200, 1500));
        QVERIFY2(greenPixels(image) > 200, "markers of the measured points");
    }

    void a4Page() {
        const QString page = m_dir.filePath(QStringLiteral("hoch.png"));
        QCOMPARE(run({m_case, page, QStringLiteral("--art"), QStringLiteral("pz"),
                      QStringLiteral("--seite"), QStringLiteral("hoch")}),
                 0);
        QCOMPARE(QImage(page).size(), QSize(1588, 2246));
    }

    void unknownKindIsAUsageError() {
        QString err;
        QCOMPARE(run({m_case, m_dir.filePath(QStringLiteral("x.png")), QStringLiteral("--art"),
                      QStringLiteral("torte")},
                     &err),
                 1);
        QVERIFY(err.contains(QStringLiteral("--art")));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.png"))));
    }
};

QTEST_MAIN(TestChartKinds)
#include "tst_chart_kinds.moc"

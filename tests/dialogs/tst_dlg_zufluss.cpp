// The influx calculator dialog: it computes what the batch tool's "zufluss" computes and names
// what is missing.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QtTest>

#include "dialogs/DlgZufluss.h"

class TestDlgZufluss : public QObject {
    Q_OBJECT

private slots:
    // A full ring (Rw 1000 m, Re 2000 m, h 10 m, phi 0.2) as a pot: 10 bar give
    // c W Δp = 1e-4 * 18.84954 * 10 = 0.018850 Mio m3 (W = 3.14159 phi h (Re^2 - Rw^2) / 10^6).
    void potRing() {
        DlgZufluss d;
        d.model()->setCurrentIndex(3);
        const std::pair<const char*, const char*> values[] = {{"h", "10"},        {"phi", "0,2"},
                                                              {"kompress", "10"}, {"winkel", "360"},
                                                              {"rw", "1000"},     {"re", "2000"}};
        for (const auto& [name, value] : values)
            d.field(name)->setText(QString::fromUtf8(value));
        d.history()->setPlainText(QStringLiteral("Tage Druck\n0 250\n30 240\n"));
        QVERIFY(d.compute());
        QCOMPARE(d.table()->rowCount(), 2);
        QCOMPARE(d.table()->item(1, 0)->text(), QStringLiteral("30.0"));
        QCOMPARE(d.table()->item(1, 1)->text(), QStringLiteral("0.018850"));
    }

    void namesWhatIsMissing() {
        DlgZufluss d;
        d.field("winkel")->setText(QStringLiteral("360"));
        d.field("kompress")->setText(QStringLiteral("10"));
        d.field("k")->setText(QStringLiteral("100"));
        d.history()->setPlainText(QStringLiteral("0 250\n30 240\n"));
        QVERIFY(!d.compute());
        QCOMPARE(d.status()->text(),
                 QStringLiteral("Für das Zuflussmodell van Everdingen–Hurst fehlt die "
                                "Mächtigkeit (h > 0)."));
        QCOMPARE(d.table()->rowCount(), 0);
        d.history()->setPlainText(QStringLiteral("5 250\n"));
        QVERIFY(!d.compute());
        QVERIFY(d.status()->text().contains(QStringLiteral("Tag 0")));
    }
};

QTEST_MAIN(TestDlgZufluss)
#include "tst_dlg_zufluss.moc"

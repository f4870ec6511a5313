// The sensitivity range dialog and the results list of the search.
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

#include "dialogs/DlgSensResults.h"
#include "dialogs/DlgSensitivity.h"
#include "dialogs/FittedText.h"
#include "document/DataExchange.h"
#include "testing/DialogFixture.h"

class TestDlgSensitivity : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedBoxes> m_boxes;
    std::unique_ptr<QtUserInterface> m_ui;

private slots:
    void init() {
        m_boxes = std::make_unique<ScriptedBoxes>();
        m_ui = std::make_unique<QtUserInterface>();
    }
    void cleanup() {
        m_ui.reset();
        m_boxes.reset();
    }

    // Only the first failing pair is reported, J before OGIP before WIP.
    void checks_data() {
        QTest::addColumn<QStringList>(
            "values");                        // min OGIP, max OGIP, min WIP, max WIP, min J, max J
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString j = QStringLiteral("JWert=0 bzw Max.Wert<=Min.Wert");
        const QString o = QStringLiteral("OGIP=0 bzw Max.Wert<=Min.Wert");
        const QString w = QStringLiteral("WIP=0 bzw Max.Wert<=Min.Wert");
        auto row = [](const char* name, QStringList v, const QString& m) {
            QTest::newRow(name) << v << m;
        };
        row("valid", {"4000", "6000", "1000", "3000", "10", "100"}, QString());
        row("negative but ordered", {"-6000", "-4000", "1000", "3000", "-100", "-10"}, QString());
        row("OGIP minimum 0", {"0", "6000", "1000", "3000", "10", "100"}, o);
        row("OGIP and J invalid", {"0", "6000", "1000", "3000", "10", "0"}, j);
        row("equal J values", {"4000", "6000", "1000", "3000", "10", "10"}, j);
        row("J reversed", {"4000", "6000", "1000", "3000", "100", "10"}, j);
        row("OGIP reversed", {"6000", "4000", "1000", "3000", "10", "100"}, o);
        row("WIP maximum 0", {"4000", "6000", "1000", "0", "10", "100"}, w);
        row("WIP equal", {"4000", "6000", "2000", "2000", "10", "100"}, w);
    }
    void checks() {
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        DlgSensitivity d(*m_ui);
        QVERIFY(showActive(d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Dialogfeld zur Sensitivitätsberechnung"));
        const int ids[] = {DlgSensitivityData::kIdMinOGIP, DlgSensitivityData::kIdMaxOGIP,
                           DlgSensitivityData::kIdMinWIP,  DlgSensitivityData::kIdMaxWIP,
                           DlgSensitivityData::kIdMinJ,    DlgSensitivityData::kIdMaxJ};
        for (int i = 0; i < 6; ++i) {
            editOf(d, ids[i])->setText(values[i]);
        }
        QTest::keyClick(editOf(d, DlgSensitivityData::kIdMinOGIP), Qt::Key_Return);
        settle();
        if (message.isEmpty()) {
            QVERIFY(m_boxes->shown.empty());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.m_bSensitivitaet, 1);
            QCOMPARE(d.m_dMinOGIP, values[0].toDouble());
            QCOMPARE(d.m_dMaxJ, values[5].toDouble());
            return;
        }
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(d.isVisible());
        QCOMPARE(d.m_bSensitivitaet, 0);
    }

    // A field that is not a number keeps the dialog open with the focus on it; the search is
    // not requested with values the fields do not show.
    void notANumberKeepsTheDialogOpen() {
        DlgSensitivity d(*m_ui);
        setExampleRanges(d);
        d.m_dMaxGp = 1500;
        QVERIFY(showActive(d));
        QCOMPARE(editOf(d, DlgSensitivityData::kIdMaxGp)->text(), QStringLiteral("1500"));
        QCOMPARE(editOf(d, DlgSensitivityData::kIdMaxOGIP)->text(), QStringLiteral("6000"));
        editOf(d, DlgSensitivityData::kIdMaxWIP)->setText(QStringLiteral("3000 Mio"));
        QTest::mouseClick(d.control(BrelvanDialog::kIdOk), Qt::LeftButton);
        settle();
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{brelvan::notANumberMessage(false)});
        QVERIFY(d.isVisible());
        QCOMPARE(d.m_bSensitivitaet, 0);
        QCOMPARE(QApplication::focusWidget(), d.control(DlgSensitivityData::kIdMaxWIP));
        editOf(d, DlgSensitivityData::kIdMaxWIP)->setText(QStringLiteral("3500"));
        QTest::mouseClick(d.control(BrelvanDialog::kIdOk), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.m_dMaxWIP, 3500.0);
    }

    // The results list: by ascending error compared as numbers, cases without an error last;
    // OK and Abbrechen both close it.
    void resultsInOrderOfError() {
        DlgSensResults d(*m_ui);
        d.m_Ergebnisse = {"2.5000         4000.0         1000.0           10.0",
                          "12.2500         5000.0         1000.0           10.0", "",
                          "0.7500         6000.0         3000.0          100.0",
                          "1.0000         4000.0         2000.0           40.0"};
        QVERIFY(showActive(d));
        QCOMPARE(d.windowTitle(), QStringLiteral("Ergebnisse der Sensitivitätsberechnung"));
        QListWidget* list = qobject_cast<QListWidget*>(d.control(DlgSensResults::kIdErgebnisse));
        QVERIFY(list);
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->item(0)->text().trimmed().left(6), QStringLiteral("0.7500"));
        QCOMPARE(list->item(1)->text().trimmed().left(6), QStringLiteral("1.0000"));
        QCOMPARE(list->item(2)->text().trimmed().left(6), QStringLiteral("2.5000"));
        QCOMPARE(list->item(3)->text().trimmed().left(7), QStringLiteral("12.2500"));
        QCOMPARE(list->item(4)->text(), QString());
        QVERIFY(qobject_cast<QPushButton*>(d.control(BrelvanDialog::kIdOk))->isDefault());
        QTest::mouseClick(d.control(BrelvanDialog::kIdOk), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));

        DlgSensResults e(*m_ui);
        QVERIFY(e.m_Ergebnisse.empty());
        QVERIFY(showActive(e));
        QTest::mouseClick(e.control(BrelvanDialog::kIdCancel), Qt::LeftButton);
        QCOMPARE(e.result(), int(QDialog::Rejected));
        QVERIFY(m_boxes->shown.empty());
    }

    // All 64 lines of a search: a resizable window that shows many rows at once, in a
    // fixed-pitch font, each column ending where its heading ends, no sideways scrolling.
    void resultsStandUnderTheirHeadings() {
        DlgSensResults d(*m_ui);
        for (int i = 0; i < 64; ++i) {
            const std::string error = i == 5 ? std::string("kein Wert")
                                             : QString::number(0.5 + i * 0.9, 'f', 4).toStdString();
            d.m_Ergebnisse.push_back(
                error + "   " +
                QString::number(3000.0 + 1000 * (i % 4), 'f', 1).rightJustified(12).toStdString() +
                "   " +
                QString::number(1000.0 + 13000 * (i / 16), 'f', 1)
                    .rightJustified(12)
                    .toStdString() +
                "   " +
                QString::number(10.0 + 30 * (i % 3), 'f', 1).rightJustified(12).toStdString());
        }
        QVERIFY(showActive(d));
        QVERIFY(d.minimumWidth() < d.maximumWidth());
        QVERIFY(d.minimumHeight() < d.maximumHeight());
        QListWidget* list = d.m_ListErgebnisse;
        QVERIFY(fitted::fixedPitch(list->font()));
        QCOMPARE(list->count(), 64);
        QVERIFY(list->viewport()->height() / list->sizeHintForRow(0) >= 16);
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        const QStringList heading = DlgSensResults::heading().split(QLatin1Char('\n'));
        QCOMPARE(heading.size(), 2);
        for (const QString& head : heading) {
            QCOMPARE(head.size(), 55);
        }
        // Where each heading word ends, every line has the end of a number.
        const int ends[] = {10, 25, 40, 55};
        for (int i = 0; i < list->count(); ++i) {
            const QString line = list->item(i)->text();
            QCOMPARE(line.size(), 55);
            for (int end : ends) {
                QVERIFY2(line[end - 1] != QLatin1Char(' ') &&
                             (end == 55 || line[end] == QLatin1Char(' ')),
                         qPrintable(line));
                QVERIFY(heading[0][end - 1] != QLatin1Char(' '));
            }
        }
    }
};

QTEST_MAIN(TestDlgSensitivity)
#include "tst_dlg_sensitivity.moc"

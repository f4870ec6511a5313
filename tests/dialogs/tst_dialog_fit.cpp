// The dialogs show what they hold at a scale factor of 2 on a small screen: each window fits
// the screen's available area, its controls stay reachable, and a field with a long number
// shows it from its first digit.
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include <memory>

#include "dialogs/DlgJWert.h"
#include "dialogs/DlgSensResults.h"
#include "dialogs/DlgSensitivity.h"
#include "testing/DialogFixture.h"

class TestDialogFit : public QObject {
    Q_OBJECT

    static std::unique_ptr<BrelvanDialog> make(int which, brelvan::UserInterface& ui) {
        switch (which) {
        case 0: {
            auto d = std::make_unique<DlgInput>(ui);
            fillExampleCase(*d);
            return d;
        }
        case 1:
            return std::make_unique<DlgJWert>(ui);
        case 2:
            return std::make_unique<DlgSensitivity>(ui);
        default: {
            auto d = std::make_unique<DlgSensResults>(ui);
            d->m_Ergebnisse.assign(64, "1.2345         4000.0         1000.0           10.0");
            return d;
        }
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(qFuzzyCompare(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0));
    }

    void everyDialogFitsTheScreen_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("DlgInput") << 0;
        QTest::newRow("DlgJWert") << 1;
        QTest::newRow("DlgSensitivity") << 2;
        QTest::newRow("DlgSensResults") << 3;
    }
    void everyDialogFitsTheScreen() {
        QFETCH(int, which);
        ScriptedBoxes boxes;
        QtUserInterface ui;
        std::unique_ptr<BrelvanDialog> d = make(which, ui);
        QVERIFY(showActive(*d));
        const QRect available = d->screen()->availableGeometry();
        QVERIFY2(d->width() <= available.width() && d->height() <= available.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(d->width())
                                .arg(d->height())
                                .arg(available.width())
                                .arg(available.height())));
        // The OK button can be brought into view and used.
        auto* ok = qobject_cast<QPushButton*>(d->control(BrelvanDialog::kIdOk));
        QVERIFY(ok);
        if (auto* area = d->findChild<QScrollArea*>()) {
            area->ensureWidgetVisible(ok);
        }
        QVERIFY(!ok->visibleRegion().isEmpty());
        if (which == 0) {
            // The whole input dialog is there to scroll through, and OK still ends it.
            QVERIFY(d->findChild<QScrollArea*>());
            QTest::mouseClick(ok, Qt::LeftButton);
            QCOMPARE(d->result(), int(QDialog::Accepted));
            QVERIFY(boxes.shown.empty());
        }
    }

    // A number longer than its field is shown from its first digit.
    void longNumbersShowFromTheirStart() {
        ScriptedBoxes boxes;
        QtUserInterface ui;
        DlgInput d(ui);
        fillExampleCase(d);
        d.m_dWIP = 20000.142685617;
        d.m_dJWert = 71.2345678901234;
        QVERIFY(showActive(d));
        for (int id : {DlgInputData::kIdWIP, DlgInputData::kIdJWertFeld}) {
            QLineEdit* edit = editOf(d, id);
            QVERIFY(edit->fontMetrics().horizontalAdvance(edit->text()) > edit->width() ||
                    id == DlgInputData::kIdJWertFeld);
            // The field scrolls to keep its cursor in view: at 0 it shows the first digit.
            QCOMPARE(edit->cursorPosition(), 0);
        }
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestDialogFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dialog_fit.moc"

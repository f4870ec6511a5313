// Windows larger than their screen (a large scale factor, a small screen) fit it: the CSV
// import's preview and the input dialog open within the screen's free area, and what does not
// fit scrolls, so that their buttons can be reached.
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "dialogs/DlgCsvImport.h"
#include "dialogs/ScreenFit.h"
#include "testing/DialogFixture.h"

namespace {

// Whether `button` can be seen inside `dialog`, directly or by scrolling a scroll area.
bool reachable(QDialog& dialog, QWidget* button) {
    if (auto* area = dialog.findChild<QScrollArea*>()) {
        if (area->isAncestorOf(button))
            return true;
    }
    const QRect inDialog(button->mapTo(&dialog, QPoint(0, 0)), button->size());
    return dialog.rect().contains(inDialog);
}

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { BrelvanDialog::s_modalHook = nullptr; }

    void csvPreviewFitsTheScreen() {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        DlgCsvImport preview(QStringLiteral("druck.csv"),
                             "Datum;Gp;Druck\n1.1.2001;500;225\n1.1.2002;1000;205\n", 36525.0f);
        QSize shown;
        bool okReachable = false;
        BrelvanDialog::s_modalHook = [&](QDialog& d) {
            d.show();
            QTest::qWait(10);
            shown = d.frameGeometry().size();
            okReachable = reachable(d, preview.okButton());
            d.hide();
            return int(QDialog::Rejected);
        };
        BrelvanDialog::runModal(preview);
        QVERIFY2(shown.width() <= free.width() && shown.height() <= free.height(),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(free.width())
                                .arg(free.height())));
        QVERIFY(okReachable);
    }

    // The input dialog places its controls itself; with the program's filter installed it
    // still scrolls, so that "OK" and "CSV importieren …" can be reached.
    void inputDialogScrolls() {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QObject owner;
        brelvan::dialogs::installScreenFit(&owner);
        ScriptedBoxes boxes;
        QtUserInterface ui;
        DlgInput dialog(ui);
        fillExampleCase(dialog);
        dialog.show();
        QTest::qWait(10);
        QVERIFY(dialog.frameGeometry().width() <= free.width());
        QVERIFY(dialog.frameGeometry().height() <= free.height());
        auto* area = dialog.findChild<QScrollArea*>();
        QVERIFY(area);
        QVERIFY(area->isAncestorOf(dialog.control(DlgInputData::kIdCsvImport)));
        QVERIFY(area->isAncestorOf(dialog.control(BrelvanDialog::kIdOk)));
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
    }

    // A laid-out window whose layout needs more than the screen scrolls; the filter of the
    // program does the same for every window it shows.
    void laidOutWindowScrolls() {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QDialog dialog;
        auto* column = new QVBoxLayout(&dialog);
        auto* big = new QWidget;
        big->setMinimumSize(free.width() + 300, free.height() + 300);
        column->addWidget(big);
        auto* ok = new QPushButton(QStringLiteral("OK"));
        column->addWidget(ok);
        QObject owner;
        brelvan::dialogs::installScreenFit(&owner);
        dialog.show();
        QTest::qWait(10);
        QVERIFY(dialog.frameGeometry().width() <= free.width());
        QVERIFY(dialog.frameGeometry().height() <= free.height());
        QVERIFY(free.contains(dialog.frameGeometry().topLeft()));
        QVERIFY(reachable(dialog, ok));
    }
};

// At the scale factor 2 the offscreen screen of 800 x 600 pixels has room for 400 x 300:
// every dialog of the program is larger.
int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScreenFit test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_screen_fit.moc"

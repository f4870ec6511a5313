// The arrangement of the four dialogs at the system font: every control inside its window,
// no two controls overlapping, no text cut off. Each dialog is also rendered with the example
// case into a PNG in the build folder, to be looked at.
#include <QDir>

#include "testing/LayoutCheck.h"

using layout_check::makeDialog;

class TestDialogLayout : public QObject {
    Q_OBJECT

private slots:
    void arrangement_data() {
        QTest::addColumn<QString>("which");
        QTest::newRow("DlgInput") << QStringLiteral("input");
        QTest::newRow("DlgJWert") << QStringLiteral("jwert");
        QTest::newRow("DlgSensitivity") << QStringLiteral("sensitivity");
        QTest::newRow("DlgSensResults") << QStringLiteral("results");
    }
    void arrangement() {
        QFETCH(QString, which);
        ScriptedBoxes boxes;
        QtUserInterface ui;
        std::unique_ptr<BrelvanDialog> dialog = makeDialog(which, ui);
        QVERIFY(showActive(*dialog));
        QVERIFY(boxes.shown.empty());
        const QString file = QDir(QStringLiteral(BRELVAN_BINARY_DIR))
                                 .filePath(QStringLiteral("dialog-%1.png").arg(which));
        QVERIFY(dialog->grab().save(file));

        layout_check::checkArrangement(dialog.get());
    }
};

QTEST_MAIN(TestDialogLayout)
#include "tst_dialog_layout.moc"

// "Exportieren …" of the Datei menu: the chosen file type decides the format.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "app/ExportCommand.h"
#include "document/CBrelvanDoc.h"
#include "testing/FakeUserInterface.h"
#include "testing/WorkedCase.h"

using namespace brelvan::app;

namespace {

QByteArray head(const QString& path, int n) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

} // namespace

class TestExportCommand : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { g_chooseExportFile = nullptr; }

    void formatFollowsTheFileType() {
        QTemporaryDir dir;
        QWidget window;
        FakeUserInterface ui;
        CBrelvanDoc doc;
        doc.setUserInterface(&ui);
        worked_case::set(doc);
        doc.SetPathName((dir.path() + QStringLiteral("/fall.brv")).toStdString());
        QAction* action = createExportAction(&window, doc, ui);
        QCOMPARE(action->text(), QStringLiteral("E&xportieren …"));

        // Nothing computed yet: a message, no file dialog.
        int asked = 0;
        QString answer;
        int filterIndex = 0;
        QString proposed;
        g_chooseExportFile = [&](QWidget*, const QString& proposal, QString& filter) {
            ++asked;
            proposed = proposal;
            filter = exportFilters()[filterIndex];
            return answer;
        };
        action->trigger();
        QCOMPARE(asked, 0);
        QCOMPARE(ui.messages.size(), std::size_t(1));

        doc.compute();
        ui.clear();
        // A name without a type takes the chosen filter's; the proposal sits beside the case.
        answer = dir.path() + QStringLiteral("/bericht");
        filterIndex = 2;
        action->trigger();
        QCOMPARE(proposed, dir.path() + QStringLiteral("/fall.csv"));
        QCOMPARE(head(answer + QStringLiteral(".xlsx"), 2), QByteArray("PK"));

        filterIndex = 1;
        action->trigger();
        QCOMPARE(head(answer + QStringLiteral(".csv"), 6), QByteArray("Datum,"));
        // The typed file type wins over the filter.
        answer = dir.path() + QStringLiteral("/b.XLSX");
        action->trigger();
        QCOMPARE(head(answer, 2), QByteArray("PK"));
        filterIndex = 0;
        answer = dir.path() + QStringLiteral("/b.csv");
        action->trigger();
        QCOMPARE(head(answer, 9), QByteArray("\xEF\xBB\xBF"
                                             "Datum;"));
        QVERIFY(ui.calls.empty());

        answer = dir.path() + QStringLiteral("/fehlt/b.csv");
        action->trigger();
        QCOMPARE(ui.errors.size(), std::size_t(1));
        QVERIFY(ui.errors.front().find("kann nicht geschrieben werden") != std::string::npos);
    }
};

QTEST_MAIN(TestExportCommand)
#include "tst_export_command.moc"

// The J value dialog: its formulas through the window, the thin-ring conversion when the outer
// radius is left, its messages in order, the range checks, Enter and Escape.
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

#include "dialogs/DlgJWert.h"
#include "document/DataExchange.h"
#include "testing/DialogFixture.h"

namespace {

constexpr int kPerm = DlgJWertData::kIdPermeabilitaet, kPoros = DlgJWertData::kIdPorositaet,
              kRe = DlgJWertData::kIdRadiusEnde, kTiefe = DlgJWertData::kIdTiefe,
              kBreite = DlgJWertData::kIdBreite, kWinkel = DlgJWertData::kIdWinkel;

struct Inputs {
    float k, h, phi, mu, rw, re, l, b, alpha;
};

} // namespace

class TestDlgJWert : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedBoxes> m_boxes;
    std::unique_ptr<QtUserInterface> m_ui;
    std::unique_ptr<DlgJWert> m_dlg;

    DlgJWert& open(const Inputs& in) {
        m_dlg = std::make_unique<DlgJWert>(*m_ui);
        DlgJWert& d = *m_dlg;
        d.m_fPermeabilitaet = in.k;
        d.m_fMaechtigkeit = in.h;
        d.m_fPorositaet = in.phi;
        d.m_fViskositaet = in.mu;
        d.m_fRadiusGWC = in.rw;
        d.m_fRadiusEnde = in.re;
        d.m_fTiefe = in.l;
        d.m_fBreite = in.b;
        d.m_fWinkel = in.alpha;
        if (!showActive(d)) {
            qWarning("J value dialog did not become active");
        }
        return d;
    }
    void clickOk() {
        QTest::mouseClick(m_dlg->control(BrelvanDialog::kIdOk), Qt::LeftButton);
        settle();
    }

private slots:
    void init() {
        m_boxes = std::make_unique<ScriptedBoxes>();
        m_ui = std::make_unique<QtUserInterface>();
    }
    void cleanup() {
        m_dlg.reset();
        m_ui.reset();
        m_boxes.reset();
    }

    // OK computes from what the fields show, also when Enter is pressed in a field that has
    // not been left, and a new angle counts with its own share of the circle.
    void okUsesTheFieldsShown() {
        DlgJWert& d = open({100, 10, 0.2f, 0.5f, 1000, 10000, 5000, 1000, 0});
        QCOMPARE(d.windowTitle(), QStringLiteral("Dialogfeld zur Berechnung des J-Wertes"));
        typeInto(d, kBreite, QStringLiteral("2000"));
        QTest::keyClick(editOf(d, kBreite), Qt::Key_Return);
        settle();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(qAbs(d.m_dJWert - 20.344) < 1e-3);
        QCOMPARE(d.m_fBreite, 2000.0f);

        DlgJWert& r = open({100, 10, 0.2f, 1.0f, 1000, 10000, 5000, 1000, 360});
        typeInto(r, kWinkel, QStringLiteral("90"));
        QTest::keyClick(editOf(r, kWinkel), Qt::Key_Enter);
        settle();
        QCOMPARE(r.result(), int(QDialog::Accepted));
        QVERIFY(qAbs(r.m_dJWert - 53.3 / (std::log(10.0) - 0.75) / 4) < 1e-3);
    }

    void thinRingBecomesAStrip() {
        DlgJWert& d = open({100, 10, 0.2f, 1.0f, 1000, 5000, 0, 0, 360});
        typeInto(d, kWinkel, QStringLiteral("90"));
        tabAway();
        typeInto(d, kRe, QStringLiteral("2000"));
        tabAway();
        QCOMPARE(m_boxes->texts(),
                 std::vector<std::string>{"Da Re/Rw < 2.943 ist, wird ein lineares Brelvan "
                                          "gerechnet\n mit der Breite B: 2356.19 und der Tiefe "
                                          "L: 1000.00"});
        QCOMPARE(editOf(d, kWinkel)->text(), QStringLiteral("0"));
        QCOMPARE(editOf(d, kTiefe)->text(), QStringLiteral("1000"));
        QCOMPARE(editOf(d, kBreite)->text(), DataExchangeQt::formatted(d.m_fBreite));
        QVERIFY(qAbs(d.m_fBreite - 2356.19f) < 0.01f);
        m_boxes->clear();
        clickOk();
        QVERIFY(m_boxes->shown.empty());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const double linear = 100 * 0.02543 * 10 * double(d.m_fBreite) / (1.0 * 1000);
        QVERIFY(qAbs(d.m_dJWert - linear) < 1e-6 * linear);
    }

    // Enter in the outer radius field finishes that field first: the conversion and its
    // message, and the dialog stays open to show the new values; the next Enter accepts.
    void enterInTheOuterRadiusConvertsFirst() {
        DlgJWert& d = open({100, 10, 0.2f, 1.0f, 1000, 5000, 0, 0, 90});
        typeInto(d, kRe, QStringLiteral("2000"));
        QTest::keyClick(editOf(d, kRe), Qt::Key_Return);
        settle();
        QCOMPARE(m_boxes->shown.size(), std::size_t(1));
        QVERIFY(d.isVisible());
        QCOMPARE(d.m_fWinkel, 0.0f);
        QTest::keyClick(editOf(d, kRe), Qt::Key_Return);
        settle();
        QCOMPARE(m_boxes->shown.size(), std::size_t(1));
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void outerRadiusNotBeyondInner() {
        DlgJWert& d = open({100, 10, 0.2f, 1.0f, 1000, 10000, 0, 0, 360});
        typeInto(d, kRe, QStringLiteral("500"));
        tabAway();
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{"Re-Wert <= Rw-Wert"});
        m_boxes->clear();
        clickOk();
        QCOMPARE(m_boxes->texts(),
                 std::vector<std::string>{"Radius bis Brelvanende <= Radius bis GWC"});
        QVERIFY(d.isVisible());
    }

    // The messages of OK in their order; the dialog stays open after each.
    void okMessages_data() {
        QTest::addColumn<float>("k");
        QTest::addColumn<float>("h");
        QTest::addColumn<float>("phi");
        QTest::addColumn<float>("l");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("re");
        QTest::addColumn<float>("alpha");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("permeability 0")
            << 0.0f << 10.0f << 0.2f << 5000.0f << 1000.0f << 10000.0f << 0.0f
            << QStringList{QStringLiteral("Die Permeabilität bzw.die Mächtigkeit sind Null")};
        QTest::newRow("thickness 0")
            << 100.0f << 0.0f << 0.2f << 5000.0f << 1000.0f << 10000.0f << 0.0f
            << QStringList{QStringLiteral("Die Permeabilität bzw.die Mächtigkeit sind Null")};
        QTest::newRow("porosity 0")
            << 100.0f << 10.0f << 0.0f << 5000.0f << 1000.0f << 10000.0f << 0.0f
            << QStringList{QStringLiteral("Die Porosität ist Null")};
        QTest::newRow("strip without depth and radius")
            << 100.0f << 10.0f << 0.2f << 0.0f << 1000.0f << 0.0f << 0.0f
            << QStringList{QStringLiteral("Die Tiefe des linearen Brelvans ist Null"),
                           QStringLiteral("Radius bis GWC bzw.Radius bis Brelvanende sind Null")};
        QTest::newRow("strip without width")
            << 100.0f << 10.0f << 0.2f << 5000.0f << 0.0f << 10000.0f << 0.0f
            << QStringList{QStringLiteral("Die Breite des linearen Brelvans ist Null")};
        QTest::newRow("negative permeability, radial")
            << -5.0f << 10.0f << 0.2f << 0.0f << 0.0f << 10000.0f << 360.0f << QStringList{};
    }
    void okMessages() {
        QFETCH(float, k);
        QFETCH(float, h);
        QFETCH(float, phi);
        QFETCH(float, l);
        QFETCH(float, b);
        QFETCH(float, re);
        QFETCH(float, alpha);
        QFETCH(QStringList, messages);
        DlgJWert& d = open({k, h, phi, 1.0f, 1000, re, l, b, alpha});
        clickOk();
        std::vector<std::string> expected;
        for (const QString& m : messages) {
            expected.push_back(m.toStdString());
        }
        QCOMPARE(m_boxes->texts(), expected);
        QVERIFY(d.isVisible());
        QCOMPARE(d.m_dJWert, 0.0);
    }

    void ranges_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("porosity 1") << kPoros << QStringLiteral("1") << QString();
        QTest::newRow("porosity 1.5") << kPoros << QStringLiteral("1.5")
                                      << QString::fromStdString(brelvan::rangeMessage(0, 1, false));
        QTest::newRow("porosity -0.1")
            << kPoros << QStringLiteral("-0.1")
            << QString::fromStdString(brelvan::rangeMessage(0, 1, false));
        QTest::newRow("angle 360") << kWinkel << QStringLiteral("360") << QString();
        QTest::newRow("angle 361") << kWinkel << QStringLiteral("361")
                                   << QString::fromStdString(brelvan::rangeMessage(0, 360, false));
        QTest::newRow("width no number")
            << kBreite << QStringLiteral("breit")
            << QString::fromStdString(brelvan::notANumberMessage(false));
    }
    void ranges() {
        QFETCH(int, id);
        QFETCH(QString, text);
        QFETCH(QString, message);
        DlgJWert& d = open({100, 10, 0.2f, 1.0f, 1000, 10000, 5000, 1000, 0});
        typeInto(d, id, text);
        tabAway();
        if (message.isEmpty()) {
            QVERIFY(m_boxes->shown.empty());
            return;
        }
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(QApplication::focusWidget(), d.control(id));
        // OK with the field still wrong: the same message, and the dialog stays open.
        m_boxes->clear();
        QTest::keyClick(editOf(d, id), Qt::Key_Return);
        settle();
        QCOMPARE(m_boxes->texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(d.isVisible());
    }

    void cancelAndEscape() {
        DlgJWert& d = open({100, 10, 0.2f, 0.5f, 1000, 10000, 5000, 1000, 0});
        d.accept();
        QVERIFY(d.isVisible());
        QTest::keyClick(editOf(d, kPerm), Qt::Key_Escape);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        DlgJWert& e = open({100, 10, 0.2f, 0.5f, 1000, 10000, 5000, 1000, 0});
        QTest::mouseClick(e.control(BrelvanDialog::kIdCancel), Qt::LeftButton);
        QCOMPARE(e.result(), int(QDialog::Rejected));
        QCOMPARE(e.m_dJWert, 0.0);
        QVERIFY(m_boxes->shown.empty());
        QVERIFY(qobject_cast<QPushButton*>(e.control(BrelvanDialog::kIdOk))->isDefault());
    }
};

QTEST_MAIN(TestDlgJWert)
#include "tst_dlg_jwert.moc"

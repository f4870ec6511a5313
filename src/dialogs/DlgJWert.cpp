#include "dialogs/DlgJWert.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

DlgJWert::DlgJWert(brelvan::UserInterface& ui, QWidget* parent) : BrelvanDialog(ui, parent) {
    setWindowTitle(tr("Dialogfeld zur Berechnung des J-Wertes"));
    setClientSize(302, 135);

    const struct {
        int id;
        const char* label;
    } fields[] = {
        {kIdPermeabilitaet, QT_TRANSLATE_NOOP("DlgJWert", "Permeabilität               (mD)")},
        {kIdMaechtigkeit, QT_TRANSLATE_NOOP("DlgJWert", "Mächtigkeit                  ( m)")},
        {kIdPorositaet, QT_TRANSLATE_NOOP("DlgJWert", "Porosität                        ( - )")},
        {kIdViskositaet, QT_TRANSLATE_NOOP("DlgJWert", "Wasserviskosität          (cp)")},
        {kIdRadiusGWC, QT_TRANSLATE_NOOP("DlgJWert", "Radius bis  GWC           (m)")},
        {kIdRadiusEnde, QT_TRANSLATE_NOOP("DlgJWert", "Radius bis Brelvanende  (m)")},
        {kIdTiefe, QT_TRANSLATE_NOOP("DlgJWert", "Tiefe des Brelvans          (m)")},
        {kIdBreite, QT_TRANSLATE_NOOP("DlgJWert", "Breite des Brelvans         (m)")},
    };
    int y = 5;
    for (const auto& f : fields) {
        addLabel(tr(f.label), 10, y + 3, 88);
        QLineEdit* edit = addEdit(f.id, 100, y, 40, 14);
        if (f.id == kIdRadiusEnde) {
            onFocusLeave(edit, [this] { onKillfocusRadiusEnde(); });
        } else {
            onFocusLeave(edit, [this] { onKillfocusFeld(); });
        }
        y += 15;
    }

    addLabel(tr("Brelvan festlegen"), 155, 55, 90);
    addLabel(tr("Ringförmig voller Kreis    360°"), 155, 65, 93);
    addLabel(tr("Ringförmig Teilkreis      <360°"), 155, 75, 93);
    addLabel(tr("Lineares Brelvan                 0°"), 155, 85, 93);
    QLineEdit* winkel = addEdit(kIdWinkel, 250, 70, 40, 14);
    onFocusLeave(winkel, [this] { onKillfocusWinkel(); });

    QPushButton* ok = addButton(kIdOk, QStringLiteral("OK"), 230, 25, 50, 14);
    ok->setDefault(true);
    onClicked(ok, [this] { onButtonOK(); });
    QPushButton* cancel = addButton(kIdCancel, tr("Abbrechen"), 170, 25, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto edit = [this](int id) { return static_cast<QLineEdit*>(control(id)); };
    m_dx.addFloat(edit(kIdWinkel), &m_fWinkel, DataExchangeQt::Range{0, 360});
    m_dx.addFloat(edit(kIdBreite), &m_fBreite);
    m_dx.addFloat(edit(kIdMaechtigkeit), &m_fMaechtigkeit);
    m_dx.addFloat(edit(kIdPermeabilitaet), &m_fPermeabilitaet);
    m_dx.addFloat(edit(kIdTiefe), &m_fTiefe);
    m_dx.addFloat(edit(kIdViskositaet), &m_fViskositaet);
    m_dx.addFloat(edit(kIdPorositaet), &m_fPorositaet, DataExchangeQt::Range{0, 1});
    m_dx.addFloat(edit(kIdRadiusGWC), &m_fRadiusGWC);
    m_dx.addFloat(edit(kIdRadiusEnde), &m_fRadiusEnde);
}

void DlgJWert::initDialog() {
    DlgJWertData::OnInitDialog();
    fillControls();
    control(kIdPermeabilitaet)->setFocus(Qt::OtherFocusReason);
}

void DlgJWert::onKillfocusWinkel() {
    if (takeFields()) {
        DlgJWertData::OnKillfocusWinkel();
    }
}

void DlgJWert::onKillfocusRadiusEnde() {
    if (takeFields() && DlgJWertData::OnKillfocusRadiusEnde(ui())) {
        fillControls();
    }
}

void DlgJWert::onKillfocusFeld() {
    takeFields();
}

void DlgJWert::onButtonOK() {
    // The computation works on what the fields show, so the J value and the water in place
    // returned belong to the inputs returned. A field still holding the focus (Enter pressed in
    // it) is finished first, as when the focus leaves it for the button.
    if (!takeFields()) {
        return;
    }
    if (QApplication::focusWidget() == control(kIdRadiusEnde) &&
        !runHandler([this] { onKillfocusRadiusEnde(); })) {
        return;
    }
    DlgJWertData::OnKillfocusWinkel();
    if (DlgJWertData::OnButtonOK(ui())) {
        endWithOk();
    }
}

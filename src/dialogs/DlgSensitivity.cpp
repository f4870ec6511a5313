#include "dialogs/DlgSensitivity.h"

#include <QLineEdit>
#include <QPushButton>

DlgSensitivity::DlgSensitivity(brelvan::UserInterface& ui, QWidget* parent)
    : BrelvanDialog(ui, parent) {
    setWindowTitle(tr("Dialogfeld zur Sensitivitätsberechnung"));
    setClientSize(312, 111);

    const struct {
        int id;
        const char* label;
    } fields[] = {
        {kIdMinOGIP, QT_TRANSLATE_NOOP("DlgSensitivity", "MIN.ORIGINAL-GAS-IN-PLACE ( Mio m3)")},
        {kIdMaxOGIP, QT_TRANSLATE_NOOP("DlgSensitivity", "MAX.ORIGINAL-GAS-IN-PLACE (Mio m3)")},
        {kIdMinWIP,
         QT_TRANSLATE_NOOP("DlgSensitivity", "MIN.WATER-IN-PLACE              (Mio m3)")},
        {kIdMaxWIP, QT_TRANSLATE_NOOP("DlgSensitivity", "MAX.WATER-IN-PLACE            ( Mio m3)")},
        {kIdMinJ,
         QT_TRANSLATE_NOOP("DlgSensitivity", "MIN.J-WERT                     ( m3/Tag Bar )")},
        {kIdMaxJ,
         QT_TRANSLATE_NOOP("DlgSensitivity", "MAX.J-WERT                    ( m3/Tag Bar )")},
    };
    int y = 10;
    for (const auto& f : fields) {
        addLabel(tr(f.label), 10, y + 3, 133);
        addEdit(f.id, 145, y, 40, 14);
        y += 15;
    }
    addLabel(tr("MAX. GP-WERT"), 195, 13, 58);
    addEdit(kIdMaxGp, 255, 10, 40, 14);

    QPushButton* ok = addButton(kIdOk, QStringLiteral("OK"), 215, 35, 50, 14);
    ok->setDefault(true);
    onClicked(ok, [this] { onButtonOK(); });
    QPushButton* cancel = addButton(kIdCancel, tr("Abbrechen"), 215, 55, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto edit = [this](int id) { return static_cast<QLineEdit*>(control(id)); };
    m_dx.addDouble(edit(kIdMaxJ), &m_dMaxJ);
    m_dx.addDouble(edit(kIdMaxOGIP), &m_dMaxOGIP);
    m_dx.addDouble(edit(kIdMaxWIP), &m_dMaxWIP);
    m_dx.addDouble(edit(kIdMinJ), &m_dMinJ);
    m_dx.addDouble(edit(kIdMinOGIP), &m_dMinOGIP);
    m_dx.addDouble(edit(kIdMinWIP), &m_dMinWIP);
    m_dx.addDouble(edit(kIdMaxGp), &m_dMaxGp);
}

void DlgSensitivity::initDialog() {
    fillControls();
    control(kIdMinOGIP)->setFocus(Qt::OtherFocusReason);
}

void DlgSensitivity::onButtonOK() {
    // A field that is not a number keeps the dialog open: the ranges accepted are always the
    // ones the fields show.
    if (!takeFields()) {
        return;
    }
    if (DlgSensitivityData::OnButtonOK(ui())) {
        endWithOk();
    }
}

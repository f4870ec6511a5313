#include "dialogs/DlgSensitivity.h"

#include <QLineEdit>
#include <QPushButton>

DlgSensitivity::DlgSensitivity(brelvan::UserInterface& ui, QWidget* parent)
    : BrelvanDialog(ui, parent) {
    setWindowTitle(QStringLiteral("Dialogfeld zur Sensitivitätsberechnung"));
    setClientSize(312, 111);

    const struct {
        int id;
        const char* label;
    } fields[] = {
        {1048, "MIN.ORIGINAL-GAS-IN-PLACE ( Mio m3)"},
        {1049, "MAX.ORIGINAL-GAS-IN-PLACE (Mio m3)"},
        {1050, "MIN.WATER-IN-PLACE              (Mio m3)"},
        {1051, "MAX.WATER-IN-PLACE            ( Mio m3)"},
        {1052, "MIN.J-WERT                     ( m3/Tag Bar )"},
        {1053, "MAX.J-WERT                    ( m3/Tag Bar )"},
    };
    int y = 10;
    for (const auto& f : fields) {
        addLabel(QString::fromUtf8(f.label), 10, y + 3, 133);
        addEdit(f.id, 145, y, 40, 14);
        y += 15;
    }
    addLabel(QStringLiteral("MAX. GP-WERT"), 195, 13, 58);
    addEdit(1055, 255, 10, 40, 14);

    QPushButton* ok = addButton(kIdOk, QStringLiteral("OK"), 215, 35, 50, 14);
    ok->setDefault(true);
    onClicked(ok, [this] { onButtonOK(); });
    QPushButton* cancel = addButton(kIdCancel, QStringLiteral("Abbrechen"), 215, 55, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto edit = [this](int id) { return static_cast<QLineEdit*>(control(id)); };
    m_dx.addDouble(edit(1053), &m_dMaxJ);
    m_dx.addDouble(edit(1049), &m_dMaxOGIP);
    m_dx.addDouble(edit(1051), &m_dMaxWIP);
    m_dx.addDouble(edit(1052), &m_dMinJ);
    m_dx.addDouble(edit(1048), &m_dMinOGIP);
    m_dx.addDouble(edit(1050), &m_dMinWIP);
    m_dx.addDouble(edit(1055), &m_dMaxGp);
}

void DlgSensitivity::initDialog() {
    fillControls();
    control(1048)->setFocus(Qt::OtherFocusReason);
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

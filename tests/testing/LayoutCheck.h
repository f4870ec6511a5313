// The arrangement of a dialog as the user sees it: every control inside its window, no two
// controls overlapping, no text cut off, every field and button reachable with the Tab key.
// Shared by the layout tests in both languages.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <memory>

#include "dialogs/DlgJWert.h"
#include "dialogs/DlgSensResults.h"
#include "dialogs/DlgSensitivity.h"
#include "testing/DialogFixture.h"

namespace layout_check {

inline std::unique_ptr<BrelvanDialog> makeDialog(const QString& which, brelvan::UserInterface& ui) {
    if (which == QLatin1String("input")) {
        auto d = std::make_unique<DlgInput>(ui);
        fillExampleCase(*d);
        return d;
    }
    if (which == QLatin1String("jwert")) {
        auto d = std::make_unique<DlgJWert>(ui);
        d->m_fPermeabilitaet = 100;
        d->m_fMaechtigkeit = 10;
        d->m_fPorositaet = 0.2f;
        d->m_fViskositaet = 0.5f;
        d->m_fRadiusGWC = 1000;
        d->m_fRadiusEnde = 10000;
        d->m_fWinkel = 360;
        return d;
    }
    if (which == QLatin1String("sensitivity")) {
        auto d = std::make_unique<DlgSensitivity>(ui);
        setExampleRanges(*d);
        d->m_dMaxGp = 1500;
        return d;
    }
    auto d = std::make_unique<DlgSensResults>(ui);
    for (int i = 0; i < 12; ++i) {
        d->m_Ergebnisse.push_back(QStringLiteral("%1   %2   %3   %4")
                                      .arg(2.0 + i * 0.37, 6, 'f', 4)
                                      .arg(4000.0 + 500 * (i % 4), 12, 'f', 1)
                                      .arg(1000.0 + 1000 * (i / 4), 12, 'f', 1)
                                      .arg(10.0 + 30 * (i % 3), 12, 'f', 1)
                                      .toStdString());
    }
    return d;
}

// The width the visible text of a control needs.
inline int textWidth(const QWidget* w, const QString& text) {
    return w->fontMetrics().horizontalAdvance(QString(text).remove(QRegularExpression(" +$")));
}

// Checks the shown dialog's arrangement (failures are recorded with QVERIFY; the caller
// returns when QTest::currentTestFailed()).
inline void checkArrangement(QDialog* dialog) {
    // Every parent's visible children: inside the parent, apart from each other, and wide
    // enough for their texts.
    std::function<void(QWidget*)> check = [&](QWidget* parent) {
        QList<QWidget*> children;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->isVisibleTo(parent) && !w->isWindow() && !w->inherits("QFocusFrame") &&
                !w->inherits("QSizeGrip")) {
                children.push_back(w);
            }
        }
        const QRect area = parent->rect();
        for (int i = 0; i < children.size(); ++i) {
            QWidget* a = children[i];
            if (qobject_cast<QScrollBar*>(a) ||
                a->parentWidget()->inherits("QAbstractScrollArea")) {
                continue;
            }
            QVERIFY2(area.contains(a->geometry()),
                     qPrintable(QStringLiteral("%1 '%2' leaves its window")
                                    .arg(a->metaObject()->className(), a->objectName())));
            for (int k = i + 1; k < children.size(); ++k) {
                QWidget* b = children[k];
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(QStringLiteral("'%1' overlaps '%2'")
                                        .arg(a->property("text").toString() + a->objectName(),
                                             b->property("text").toString() + b->objectName())));
            }
            if (auto* label = qobject_cast<QLabel*>(a)) {
                QVERIFY2(label->sizeHint().width() <= label->width(),
                         qPrintable(QStringLiteral("'%1' is cut off").arg(label->text())));
                QVERIFY(label->fontMetrics().height() <= label->contentsRect().height());
            } else if (auto* button = qobject_cast<QAbstractButton*>(a)) {
                QVERIFY2(button->sizeHint().width() <= button->width() ||
                             (qobject_cast<QPushButton*>(button) &&
                              textWidth(button, button->text()) + 8 <= button->width()),
                         qPrintable(QStringLiteral("'%1' is cut off").arg(button->text())));
                QVERIFY(button->fontMetrics().height() <= button->height());
            } else if (auto* edit = qobject_cast<QLineEdit*>(a)) {
                QVERIFY2(edit->minimumSizeHint().height() <= edit->height(),
                         qPrintable(edit->objectName()));
                QVERIFY2(textWidth(edit, edit->text()) < edit->width() ||
                             edit->objectName() == QString::number(DlgInputData::kIdZeile),
                         qPrintable(QStringLiteral("%1 shows '%2' cut off")
                                        .arg(edit->objectName(), edit->text())));
            } else if (auto* group = qobject_cast<QGroupBox*>(a)) {
                QVERIFY(textWidth(group, group->title()) + 16 <= group->width());
                check(group);
            }
        }
    };
    check(dialog);

    // Every edit field and button can be reached with the Tab key, starting from the
    // first field.
    int stops = 0;
    QWidget* start = QApplication::focusWidget();
    QVERIFY(start && start->window() == dialog);
    QWidget* w = start;
    do {
        w = w->nextInFocusChain();
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && w->window() == dialog) {
            ++stops;
        }
    } while (w != start && stops < 200);
    int focusable = 0;
    for (QWidget* c : dialog->findChildren<QWidget*>()) {
        if ((qobject_cast<QLineEdit*>(c) || qobject_cast<QPushButton*>(c) ||
             qobject_cast<QListWidget*>(c)) &&
            c->isVisible()) {
            ++focusable;
        }
    }
    QVERIFY(stops >= focusable);
}

} // namespace layout_check

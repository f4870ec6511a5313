#include "dialogs/QtUserInterface.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/BrelvanDialog.h"
#include "dialogs/DlgInput.h"
#include "dialogs/DlgSensResults.h"
#include "dialogs/HelpWindow.h"
#include "support/Language.h"

std::function<bool(QtUserInterface::Box, const std::string&)> QtUserInterface::s_answer;
const QString QtUserInterface::kGermanHelp = QStringLiteral(":/brelvan/hilfe.html");
const QString QtUserInterface::kEnglishHelp = QStringLiteral(":/brelvan/help_en.html");
QString QtUserInterface::s_helpFile = QtUserInterface::kGermanHelp;

namespace {

const QString kTitle = QStringLiteral("brelvan");

} // namespace

QtUserInterface::QtUserInterface(QWidget* parent) : m_parent(parent) {}

QWidget* QtUserInterface::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return m_parent;
}

void QtUserInterface::message(const std::string& text) {
    if (s_answer) {
        s_answer(Box::Message, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, kTitle, QString::fromStdString(text), QMessageBox::Ok,
                    owner());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

void QtUserInterface::error(const std::string& text) {
    if (s_answer) {
        s_answer(Box::Error, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, kTitle, QString::fromStdString(text), QMessageBox::Ok,
                    owner());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool QtUserInterface::question(const std::string& text) {
    if (s_answer) {
        return s_answer(Box::Question, text);
    }
    QMessageBox box(QMessageBox::Question, kTitle, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner());
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("QtUserInterface", "Ja"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("QtUserInterface", "Nein"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    // The wait cursor of a running computation must not hide the pointer from the question.
    if (m_waitDepth > 0) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const bool yes = box.exec() == QMessageBox::Yes;
    if (m_waitDepth > 0) {
        QApplication::restoreOverrideCursor();
    }
    return yes;
}

void QtUserInterface::beginWaitCursor() {
    ++m_waitDepth;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserInterface::endWaitCursor() {
    if (m_waitDepth == 0) {
        return;
    }
    --m_waitDepth;
    QApplication::restoreOverrideCursor();
}

void QtUserInterface::showSensResults(const std::vector<std::string>& lines) {
    DlgSensResults dialog(*this, owner());
    dialog.m_Ergebnisse = lines;
    BrelvanDialog::runModal(dialog);
}

bool QtUserInterface::runInputDialog(DlgInputData& data) {
    DlgInput dialog(*this, owner());
    static_cast<DlgInputData&>(dialog) = data;
    if (BrelvanDialog::runModal(dialog) != QDialog::Accepted) {
        return false;
    }
    data = static_cast<const DlgInputData&>(dialog);
    return true;
}

QString QtUserInterface::helpPage() {
    if (s_helpFile == kGermanHelp && brelvan::currentLanguage() == brelvan::Language::English) {
        return kEnglishHelp;
    }
    return s_helpFile;
}

bool QtUserInterface::showHelp() {
    return HelpWindow::showPage(helpPage(), m_parent);
}

void QtUserInterface::updateAllViews() {
    if (m_updateAllViews) {
        m_updateAllViews();
    }
}

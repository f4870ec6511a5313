#include "dialogs/HelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help page is compiled into the dialogs library; a static library needs its resources
// registered by name.
static void registerHelpResources() {
    Q_INIT_RESOURCE(brelvan_help);
}

namespace {

QPointer<HelpWindow>& openWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setWindowTitle(tr("brelvan – Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    m_browser->setOpenExternalLinks(false);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(720, 640);
}

HelpWindow* HelpWindow::current() {
    return openWindow().data();
}

bool HelpWindow::showPage(const QString& page, QWidget* parent) {
    registerHelpResources();
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    file.close();
    QPointer<HelpWindow>& window = openWindow();
    if (!window) {
        window = new HelpWindow(parent);
    }
    const QUrl url = page.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + page)
                                                       : QUrl::fromLocalFile(page);
    window->m_browser->setSource(url);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

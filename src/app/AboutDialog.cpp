#include "app/AboutDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Icons.h"

namespace brelvan::app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QCoreApplication::translate("AboutDialog", "Info über brelvan"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(applicationIcon().pixmap(32, 32));
    auto* text =
        new QLabel(QCoreApplication::translate("AboutDialog", "brelvan, Version 2.0"), this);
    text->setObjectName(QStringLiteral("version"));
    auto* ok = new QPushButton(QCoreApplication::translate("AboutDialog", "OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(text, 1);
    row->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    setFixedSize(sizeHint().expandedTo(QSize(300, 80)));
}

} // namespace brelvan::app

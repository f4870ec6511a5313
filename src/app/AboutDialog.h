// The About box "Info über brelvan": the application icon and the program's version line.
#pragma once

#include <QDialog>

namespace brelvan::app {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace brelvan::app

#include "dialogs/DataExchangeQt.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "document/DataExchange.h"
#include "support/UserInterface.h"

namespace {

QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

// Only a changed text is written: an unchanged field keeps its cursor and selection.
void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
        // A text longer than the field shows from its first character, not from its end.
        if (!edit->hasFocus()) {
            edit->setCursorPosition(0);
        }
    }
}

} // namespace

void DataExchangeQt::addDouble(QLineEdit* edit, double* member, std::optional<Range> range) {
    m_fields.push_back({Kind::Double, edit, member, range, {}});
}

void DataExchangeQt::addFloat(QLineEdit* edit, float* member, std::optional<Range> range) {
    m_fields.push_back({Kind::Float, edit, member, range, {}});
}

void DataExchangeQt::addInt(QLineEdit* edit, int* member, std::optional<Range> range) {
    m_fields.push_back({Kind::Int, edit, member, range, {}});
}

void DataExchangeQt::addText(QLineEdit* edit, std::string* member) {
    m_fields.push_back({Kind::Text, edit, member, {}, {}});
}

void DataExchangeQt::addStatic(QLabel* label, std::string* member) {
    m_fields.push_back({Kind::Static, label, member, {}, {}});
}

void DataExchangeQt::addRadioGroup(std::vector<QRadioButton*> buttons, int* member) {
    QWidget* first = buttons.empty() ? nullptr : buttons.front();
    m_fields.push_back({Kind::Radio, first, member, {}, std::move(buttons)});
}

QString DataExchangeQt::formatted(double v) {
    return fromUtf8(brelvan::formatDouble(v));
}
QString DataExchangeQt::formatted(float v) {
    return fromUtf8(brelvan::formatFloat(v));
}
QString DataExchangeQt::formatted(int v) {
    return fromUtf8(brelvan::formatInt(v));
}

void DataExchangeQt::showAs(const double* member, double value, const QString& text) {
    std::erase_if(m_shown, [member](const Shown& s) { return s.member == member; });
    if (!text.isEmpty())
        m_shown.push_back({member, value, text});
}

const QString* DataExchangeQt::shownText(const Field& f) const {
    if (f.kind != Kind::Double)
        return nullptr;
    const auto* member = static_cast<const double*>(f.member);
    for (const Shown& s : m_shown)
        if (s.member == member && *member == s.value)
            return &s.text;
    return nullptr;
}

void DataExchangeQt::show(const Field& f) const {
    switch (f.kind) {
    case Kind::Double:
        if (const QString* text = shownText(f))
            setTextIfChanged(static_cast<QLineEdit*>(f.widget), *text);
        else
            setTextIfChanged(static_cast<QLineEdit*>(f.widget),
                             formatted(*static_cast<double*>(f.member)));
        break;
    case Kind::Float:
        setTextIfChanged(static_cast<QLineEdit*>(f.widget),
                         formatted(*static_cast<float*>(f.member)));
        break;
    case Kind::Int:
        setTextIfChanged(static_cast<QLineEdit*>(f.widget),
                         formatted(*static_cast<int*>(f.member)));
        break;
    case Kind::Text:
        setTextIfChanged(static_cast<QLineEdit*>(f.widget),
                         fromUtf8(*static_cast<std::string*>(f.member)));
        break;
    case Kind::Static:
        static_cast<QLabel*>(f.widget)->setText(fromUtf8(*static_cast<std::string*>(f.member)));
        break;
    case Kind::Radio: {
        const int index = *static_cast<int*>(f.member);
        for (std::size_t i = 0; i < f.buttons.size(); ++i) {
            // Unchecking a button of an exclusive group needs the group's exclusivity off.
            QRadioButton* b = f.buttons[i];
            const bool exclusive = b->autoExclusive();
            b->setAutoExclusive(false);
            b->setChecked(static_cast<int>(i) == index);
            b->setAutoExclusive(exclusive);
        }
        break;
    }
    }
}

DataExchangeQt::Take DataExchangeQt::take(const Field& f) const {
    switch (f.kind) {
    case Kind::Double: {
        // The member keeps its full value while its field shows the rounded text unedited.
        if (const QString* text = shownText(f);
            text && static_cast<QLineEdit*>(f.widget)->text() == *text)
            return Take::Taken;
        const QString text = static_cast<QLineEdit*>(f.widget)->text();
        auto v = brelvan::parseDouble(text.toStdString());
        if (!v) {
            return Take::NotANumber;
        }
        // An unedited field keeps its member's full value: the shown text holds at most 15
        // significant digits of it.
        if (text == formatted(*static_cast<double*>(f.member))) {
            v = *static_cast<double*>(f.member);
        }
        if (f.range && !brelvan::inRange(*v, f.range->min, f.range->max)) {
            return Take::OutOfRange;
        }
        *static_cast<double*>(f.member) = *v;
        return Take::Taken;
    }
    case Kind::Float: {
        const auto v = brelvan::parseFloat(static_cast<QLineEdit*>(f.widget)->text().toStdString());
        if (!v) {
            return Take::NotANumber;
        }
        if (f.range && !brelvan::inRange(static_cast<double>(*v), f.range->min, f.range->max)) {
            return Take::OutOfRange;
        }
        *static_cast<float*>(f.member) = *v;
        return Take::Taken;
    }
    case Kind::Int: {
        const auto v = brelvan::parseInt(static_cast<QLineEdit*>(f.widget)->text().toStdString());
        if (!v) {
            return Take::NotANumber;
        }
        if (f.range && !brelvan::inRange(*v, f.range->min, f.range->max)) {
            return Take::OutOfRange;
        }
        *static_cast<int*>(f.member) = *v;
        return Take::Taken;
    }
    case Kind::Text:
        *static_cast<std::string*>(f.member) =
            static_cast<QLineEdit*>(f.widget)->text().toStdString();
        return Take::Taken;
    case Kind::Static:
        return Take::Taken;
    case Kind::Radio: {
        int index = -1;
        for (std::size_t i = 0; i < f.buttons.size(); ++i) {
            if (f.buttons[i]->isChecked()) {
                index = static_cast<int>(i);
                break;
            }
        }
        *static_cast<int*>(f.member) = index;
        return Take::Taken;
    }
    }
    return Take::Taken;
}

std::variant<double, float, int> DataExchangeQt::memberValue(const Field& f) {
    switch (f.kind) {
    case Kind::Double:
        return *static_cast<double*>(f.member);
    case Kind::Float:
        return *static_cast<float*>(f.member);
    case Kind::Int:
        return *static_cast<int*>(f.member);
    default:
        return 0;
    }
}

void DataExchangeQt::toControls() {
    for (const Field& f : m_fields) {
        show(f);
    }
}

QWidget* DataExchangeQt::fromControls(brelvan::UserInterface& ui) {
    for (const Field& f : m_fields) {
        const Take result = take(f);
        if (result == Take::Taken) {
            continue;
        }
        const bool integer = f.kind == Kind::Int;
        if (result == Take::NotANumber) {
            ui.message(brelvan::notANumberMessage(integer));
        } else {
            ui.message(brelvan::rangeMessage(f.range->min, f.range->max, integer));
        }
        return f.widget;
    }
    return nullptr;
}

DataExchangeQt::Kept DataExchangeQt::takeQuietly() {
    Kept kept;
    for (const Field& f : m_fields) {
        if (take(f) != Take::Taken) {
            kept.push_back({f.widget, static_cast<QLineEdit*>(f.widget)->text(), memberValue(f)});
        }
    }
    return kept;
}

void DataExchangeQt::toControlsKeeping(const Kept& kept) {
    toControls();
    for (const KeptText& k : kept) {
        for (const Field& f : m_fields) {
            if (f.widget == k.widget && memberValue(f) == k.memberValue) {
                setTextIfChanged(static_cast<QLineEdit*>(f.widget), k.text);
            }
        }
    }
}

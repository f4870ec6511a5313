// The data exchange of the dialogs: moves values between the controls and the members in the
// order in which the fields were registered (the order decides which failing field is reported
// first). Numbers are shown in the shortest general form (doubles up to 15 significant digits,
// floats up to 6); ranges are inclusive.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <variant>
#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace brelvan {
class UserInterface;
}

class DataExchangeQt {
public:
    struct Range {
        double min;
        double max;
    };

    // A field whose text was left as the user typed it by takeQuietly, with the value its member
    // held at that moment (the text is put back only while the member still holds it).
    struct KeptText {
        QWidget* widget = nullptr;
        QString text;
        std::variant<double, float, int> memberValue;
    };
    using Kept = std::vector<KeptText>;

    void addDouble(QLineEdit* edit, double* member, std::optional<Range> range = {});
    void addFloat(QLineEdit* edit, float* member, std::optional<Range> range = {});
    void addInt(QLineEdit* edit, int* member, std::optional<Range> range = {});
    void addText(QLineEdit* edit, std::string* member);
    // Shown only: a static text is never read back.
    void addStatic(QLabel* label, std::string* member);
    // The index of the checked button, -1 when none is checked.
    void addRadioGroup(std::vector<QRadioButton*> buttons, int* member);

    // Members into the controls.
    void toControls();
    // The controls into the members, in order. The first field that is not a number or lies
    // outside its range stops the exchange: its German message goes through `ui` and the field
    // is returned (the members of the fields after it are left as they were). nullptr when all
    // fields were taken.
    QWidget* fromControls(brelvan::UserInterface& ui);
    // The controls into the members without any message: a field that does not convert or lies
    // outside its range keeps its member and its typed text, which is returned.
    Kept takeQuietly();
    // Members into the controls, then the kept texts back into their fields wherever the member
    // still holds the value it held when the text was kept.
    void toControlsKeeping(const Kept& kept);

    // The double field of `member` shows `text` instead of the number's own text for as long as
    // the member holds `value`; while the field still shows that text, taking it leaves the
    // member as it is (a rounded text never replaces the full value). A typed text is taken as
    // usual. An empty text ends it.
    void showAs(const double* member, double value, const QString& text);

    // The number shown for a member, as the exchange writes it.
    static QString formatted(double v);
    static QString formatted(float v);
    static QString formatted(int v);

private:
    enum class Kind { Double, Float, Int, Text, Static, Radio };
    struct Field {
        Kind kind;
        QWidget* widget = nullptr;
        void* member = nullptr;
        std::optional<Range> range;
        std::vector<QRadioButton*> buttons;
    };
    enum class Take { Taken, NotANumber, OutOfRange };
    Take take(const Field& f) const;
    void show(const Field& f) const;
    // The text showAs gave the field's member, while the member holds its value.
    const QString* shownText(const Field& f) const;
    static std::variant<double, float, int> memberValue(const Field& f);

    std::vector<Field> m_fields;
    struct Shown {
        const double* member = nullptr;
        double value = 0;
        QString text;
    };
    std::vector<Shown> m_shown;
};

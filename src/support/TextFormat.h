// printf-style formatting without fixed buffers and independent of the C locale.
//
// The report, the messages and the list lines are defined by printf formats. cformat applies
// such a format to typed arguments: %d %i %u %x %X %o %c %s %f %F %e %E %g %G %% with the flags
// "-+ #0", width, precision (also "*") and the length modifiers h hh l ll L z j t, which are
// accepted and ignored. Numbers are written as printf writes them in the "C" locale. A missing
// argument is taken as 0 or as an empty text; an argument of another kind is converted.
// Widths and precisions of %s count characters (UTF-8 code points), not bytes.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace brelvan {

class FormatArg {
public:
    enum class Kind { Int, Double, Text, Char };

    template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
        FormatArg(T v)
        : m_kind(Kind::Int), m_int(static_cast<long long>(v)) {}
    FormatArg(bool v) : m_kind(Kind::Int), m_int(v ? 1 : 0) {}
    FormatArg(char c) : m_kind(Kind::Char), m_int(static_cast<unsigned char>(c)) {}
    FormatArg(float v) : m_kind(Kind::Double), m_double(static_cast<double>(v)) {}
    FormatArg(double v) : m_kind(Kind::Double), m_double(v) {}
    FormatArg(const char* s) : m_kind(Kind::Text), m_text(s ? s : "") {}
    FormatArg(const std::string& s) : m_kind(Kind::Text), m_text(s) {}
    FormatArg(std::string_view s) : m_kind(Kind::Text), m_text(s) {}

    Kind kind() const { return m_kind; }
    long long asInt() const;
    double asDouble() const;
    std::string_view asText() const { return m_kind == Kind::Text ? m_text : std::string_view{}; }

private:
    Kind m_kind;
    long long m_int = 0;
    double m_double = 0.0;
    std::string_view m_text;
};

std::string vcformat(std::string_view format, std::span<const FormatArg> args);

template <class... Args> std::string cformat(std::string_view format, const Args&... args) {
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return vcformat(format, std::span<const FormatArg>(list.data(), list.size()));
}

// ---- Numbers as text, the one place of the program that writes them (the Qt side shows them
// with QLocale).

// `v` with `decimals` decimals and a decimal point ("nan", "inf", "-inf" for those).
std::string fixedText(double v, int decimals);
// The shortest text that reads back as `v` exactly, with `decimal` as the decimal separator;
// zero has no sign.
std::string shortestText(double v, char decimal = '.');
// The forms of the dialogs' fields: "%.15g", "%.6g" and "%d".
std::string formatDouble(double v);
std::string formatFloat(float v);
std::string formatInt(int v);

} // namespace brelvan

#include "support/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace brelvan::json {

std::string quoted(std::string_view s) {
    std::string out = "\"";
    for (char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                out += buffer;
            } else {
                out.push_back(c); // UTF-8 passes as it is
            }
        }
    }
    out.push_back('"');
    return out;
}

std::string number(double v) {
    if (!std::isfinite(v))
        return "null";
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    if (ec != std::errc())
        return "null";
    return std::string(buffer, end);
}

void Writer::separate() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_text.push_back(',');
        m_first.back() = false;
    }
}

Writer& Writer::beginObject() {
    separate();
    m_text.push_back('{');
    m_first.push_back(true);
    return *this;
}

Writer& Writer::endObject() {
    m_text.push_back('}');
    m_first.pop_back();
    return *this;
}

Writer& Writer::beginArray() {
    separate();
    m_text.push_back('[');
    m_first.push_back(true);
    return *this;
}

Writer& Writer::endArray() {
    m_text.push_back(']');
    m_first.pop_back();
    return *this;
}

Writer& Writer::key(std::string_view name) {
    separate();
    m_text += quoted(name);
    m_text.push_back(':');
    m_afterKey = true;
    return *this;
}

Writer& Writer::value(double v) {
    separate();
    m_text += number(v);
    return *this;
}

Writer& Writer::value(int v) {
    separate();
    m_text += std::to_string(v);
    return *this;
}

Writer& Writer::value(bool flag) {
    separate();
    m_text += flag ? "true" : "false";
    return *this;
}

Writer& Writer::value(std::string_view text) {
    separate();
    m_text += quoted(text);
    return *this;
}

Writer& Writer::null() {
    separate();
    m_text += "null";
    return *this;
}

Writer& Writer::field(std::string_view name, const std::optional<double>& v) {
    key(name);
    return v ? value(*v) : null();
}

} // namespace brelvan::json

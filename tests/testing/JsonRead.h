// A strict reader of JSON text for the tests that parse the batch tool's --json output back:
// objects, arrays, strings (with the escapes the writer uses), numbers, true, false, null.
// Anything else, or text after the value, fails the read.
#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace jsonread {

struct Value {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool flag = false;
    double number = 0;
    std::string text;
    std::vector<Value> items;
    std::map<std::string, Value> fields;

    bool has(const std::string& key) const { return fields.count(key) != 0; }
    const Value& operator[](const std::string& key) const { return fields.at(key); }
    const Value& operator[](std::size_t i) const { return items.at(i); }
};

class Reader {
public:
    explicit Reader(std::string_view s) : m_s(s) {}

    std::optional<Value> document() {
        Value v;
        if (!value(v))
            return std::nullopt;
        space();
        if (m_pos != m_s.size())
            return std::nullopt;
        return v;
    }

private:
    void space() {
        while (m_pos < m_s.size() && (m_s[m_pos] == ' ' || m_s[m_pos] == '\n' ||
                                      m_s[m_pos] == '\r' || m_s[m_pos] == '\t'))
            ++m_pos;
    }
    bool word(std::string_view w) {
        if (m_s.substr(m_pos, w.size()) != w)
            return false;
        m_pos += w.size();
        return true;
    }
    bool string(std::string& out) {
        if (!word("\""))
            return false;
        while (m_pos < m_s.size()) {
            const char c = m_s[m_pos++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (m_pos >= m_s.size())
                return false;
            const char e = m_s[m_pos++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out.push_back(e);
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'u': {
                if (m_pos + 4 > m_s.size())
                    return false;
                const long code =
                    std::strtol(std::string(m_s.substr(m_pos, 4)).c_str(), nullptr, 16);
                if (code >= 0x80)
                    return false; // the writer escapes control characters only
                out.push_back(static_cast<char>(code));
                m_pos += 4;
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }
    bool value(Value& v) {
        space();
        if (m_pos >= m_s.size())
            return false;
        const char c = m_s[m_pos];
        if (c == '{') {
            ++m_pos;
            v.kind = Value::Kind::Object;
            space();
            if (word("}"))
                return true;
            for (;;) {
                space();
                std::string key;
                if (!string(key))
                    return false;
                space();
                if (!word(":"))
                    return false;
                Value item;
                if (!value(item) || !v.fields.emplace(key, std::move(item)).second)
                    return false;
                space();
                if (word("}"))
                    return true;
                if (!word(","))
                    return false;
            }
        }
        if (c == '[') {
            ++m_pos;
            v.kind = Value::Kind::Array;
            space();
            if (word("]"))
                return true;
            for (;;) {
                Value item;
                if (!value(item))
                    return false;
                v.items.push_back(std::move(item));
                space();
                if (word("]"))
                    return true;
                if (!word(","))
                    return false;
            }
        }
        if (c == '"') {
            v.kind = Value::Kind::String;
            return string(v.text);
        }
        if (word("true") || word("false")) {
            v.kind = Value::Kind::Bool;
            v.flag = m_s[m_pos - 1] == 'e' && m_s[m_pos - 2] == 'u';
            return true;
        }
        if (word("null"))
            return true;
        // A number: -?digits[.digits][e[+-]digits]
        const std::size_t start = m_pos;
        if (m_s[m_pos] == '-')
            ++m_pos;
        const auto digits = [this] {
            const std::size_t from = m_pos;
            while (m_pos < m_s.size() && m_s[m_pos] >= '0' && m_s[m_pos] <= '9')
                ++m_pos;
            return m_pos > from;
        };
        if (!digits())
            return false;
        if (word(".") && !digits())
            return false;
        if (m_pos < m_s.size() && (m_s[m_pos] == 'e' || m_s[m_pos] == 'E')) {
            ++m_pos;
            if (m_pos < m_s.size() && (m_s[m_pos] == '+' || m_s[m_pos] == '-'))
                ++m_pos;
            if (!digits())
                return false;
        }
        v.kind = Value::Kind::Number;
        v.number = std::strtod(std::string(m_s.substr(start, m_pos - start)).c_str(), nullptr);
        return true;
    }

    std::string_view m_s;
    std::size_t m_pos = 0;
};

inline std::optional<Value> parse(std::string_view text) {
    return Reader(text).document();
}

} // namespace jsonread

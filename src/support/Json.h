// A small writer of JSON text for the batch tool's output to scripts: objects, arrays, strings,
// numbers (the shortest text that reads back to the same double; a number that is not finite
// is written as null) and booleans. Keys and values are added in order; the writer checks
// nothing about duplicate keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelvan::json {

class Writer {
public:
    Writer& beginObject();
    Writer& endObject();
    Writer& beginArray();
    Writer& endArray();
    // The key of the next value inside an object.
    Writer& key(std::string_view name);
    Writer& value(double number);
    Writer& value(int number);
    Writer& value(bool flag);
    Writer& value(std::string_view text);
    Writer& value(const char* text) { return value(std::string_view(text)); }
    Writer& null();
    // key(name).value(v) in one step.
    template <class T> Writer& field(std::string_view name, const T& v) {
        key(name);
        return value(v);
    }
    // An optional number: null when absent.
    Writer& field(std::string_view name, const std::optional<double>& v);

    const std::string& text() const { return m_text; }

private:
    void separate();
    std::string m_text;
    std::vector<bool> m_first; // per open container: no element written yet
    bool m_afterKey = false;
};

// The text of `s` as a JSON string, quotes included.
std::string quoted(std::string_view s);
// The shortest decimal text of a finite double; "null" for one that is not finite.
std::string number(double v);

} // namespace brelvan::json

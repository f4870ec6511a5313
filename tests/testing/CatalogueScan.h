// Checks a layer's catalogue against the layer's sources: every text the code passes to tx()
// has an English translation with the same printf conversions, and the catalogue holds no
// text the code no longer uses.
#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/Language.h"

namespace brelvan::testing {

namespace scan_detail {

inline bool identifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

inline void skipSpace(const std::string& s, size_t& i) {
    while (i < s.size()) {
        if (s[i] == ' ' || s[i] == '\n' || s[i] == '\t' || s[i] == '\r') {
            ++i;
        } else if (s.compare(i, 2, "//") == 0) {
            i = s.find('\n', i);
            i = i == std::string::npos ? s.size() : i;
        } else {
            return;
        }
    }
}

// One string literal at s[i] (which is '"'), decoded; i ends after it.
inline std::string literal(const std::string& s, size_t& i) {
    std::string out;
    for (++i; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] != '\\' || i + 1 >= s.size()) {
            out += s[i];
            continue;
        }
        const char e = s[++i];
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7': {
            int v = 0;
            for (int k = 0; k < 3 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++k, ++i) {
                v = v * 8 + (s[i] - '0');
            }
            --i;
            out += static_cast<char>(v);
            break;
        }
        case 'x': {
            int v = 0;
            while (i + 1 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1]))) {
                const char h = s[++i];
                v = v * 16 + (h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
            }
            out += static_cast<char>(v);
            break;
        }
        default:
            out += e;
            break;
        }
    }
    ++i;
    return out;
}

} // namespace scan_detail

// Every string literal (adjacent literals joined, escapes decoded) passed as the first
// argument of a call `tx(` in the .cpp and .h files of `folder` (relative to the sources, or
// absolute).
inline std::vector<std::string> txLiterals(const std::string& folder) {
    using namespace scan_detail;
    std::set<std::string> found;
    const std::string dir =
        folder.starts_with('/') ? folder : std::string(BRELVAN_SOURCE_DIR) + "/" + folder;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h") {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (size_t at = s.find("tx("); at != std::string::npos; at = s.find("tx(", at + 3)) {
            if (at > 0 && (identifierChar(s[at - 1]))) {
                continue;
            }
            size_t i = at + 3;
            skipSpace(s, i);
            if (i >= s.size() || s[i] != '"') {
                continue;
            }
            std::string text;
            while (i < s.size() && s[i] == '"') {
                text += literal(s, i);
                skipSpace(s, i);
            }
            found.insert(text);
        }
    }
    return {found.begin(), found.end()};
}

// The printf conversions of a format, in order ("%8.1f", "%s", ...; "%%" left out).
inline std::vector<std::string> conversions(const std::string& format) {
    std::vector<std::string> out;
    for (size_t i = format.find('%'); i != std::string::npos; i = format.find('%', i)) {
        size_t j = i + 1;
        while (j < format.size() && std::string_view("-+ #0123456789.*hlLzjt").find(format[j]) !=
                                        std::string_view::npos) {
            ++j;
        }
        if (j < format.size() && format[j] != '%') {
            out.push_back(format.substr(i, j - i + 1));
        }
        i = j + 1;
    }
    return out;
}

// What is wrong between the texts the code uses and its catalogue; empty when nothing is.
inline std::vector<std::string> catalogueProblems(const Catalogue& catalogue,
                                                  const std::vector<std::string>& used,
                                                  bool unusedIsProblem = true) {
    std::vector<std::string> problems;
    std::set<std::string> listed;
    for (const TextPair& pair : catalogue.pairs()) {
        if (!listed.insert(pair.german).second) {
            problems.push_back("doppelt im Katalog: " + std::string(pair.german));
        }
        if (std::string_view(pair.english).empty() != std::string_view(pair.german).empty()) {
            problems.push_back("ohne Übersetzung: " + std::string(pair.german));
        }
        if (conversions(pair.german) != conversions(pair.english)) {
            problems.push_back("andere Umwandlungen: " + std::string(pair.german) + " | " +
                               pair.english);
        }
    }
    for (const std::string& text : used) {
        if (!listed.count(text)) {
            problems.push_back("nicht im Katalog: " + text);
        }
    }
    if (unusedIsProblem) {
        const std::set<std::string> usedSet(used.begin(), used.end());
        for (const std::string& text : listed) {
            if (!usedSet.count(text)) {
                problems.push_back("im Katalog, aber nicht benutzt: " + text);
            }
        }
    }
    return problems;
}

} // namespace brelvan::testing

#include "document/TableExport.h"

#include "support/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <system_error>

#include <unistd.h>
#include <xlsxwriter.h>

#include "document/DocumentCommands.h"
#include "document/DocumentTexts.h"
#include "support/TextFormat.h"

namespace brelvan::table {

namespace fs = std::filesystem;
using document::tx;

namespace {

std::string quoted(const std::string& text, char separator) {
    const bool needs =
        text.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string::npos ||
        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needs)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

std::string cellText(const Cell& cell, CsvStyle style) {
    if (const double* v = std::get_if<double>(&cell))
        return std::isfinite(*v) ? shortestText(*v, style.decimal) : std::string();
    if (const Date* d = std::get_if<Date>(&cell))
        return style.decimal == ',' ? cformat("%02d.%02d.%04d", d->day, d->month, d->year)
                                    : cformat("%04d-%02d-%02d", d->year, d->month, d->day);
    if (const std::string* s = std::get_if<std::string>(&cell))
        return quoted(*s, style.separator);
    return {};
}

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A sheet name as a workbook takes it: at most 31 characters (counted in code points), none of
// []:*?/\ and unique in the workbook.
std::string sheetName(const std::string& wanted, std::vector<std::string>& used) {
    std::string name;
    int count = 0;
    for (std::size_t i = 0; i < wanted.size() && count < 28; ++i) {
        const char c = wanted[i];
        if (std::string_view("[]:*?/\\").find(c) != std::string_view::npos)
            continue;
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
        name += c;
    }
    // Drop a trailing partial code point.
    while (!name.empty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0xC0)
        name.pop_back();
    if (name.empty())
        name = tx("Tabelle");
    std::string unique = name;
    for (int n = 2; std::find(used.begin(), used.end(), unique) != used.end(); ++n)
        unique = cformat("%s %d", name, n);
    used.push_back(unique);
    return unique;
}

} // namespace

std::string toCsv(const std::vector<Table>& tables, CsvStyle style) {
    std::string out = style.decimal == ',' ? "\xEF\xBB\xBF" : "";
    bool first = true;
    for (const Table& t : tables) {
        if (!first)
            out += "\r\n";
        first = false;
        for (std::size_t c = 0; c < t.columns.size(); ++c) {
            if (c)
                out += style.separator;
            out += quoted(t.columns[c].heading, style.separator);
        }
        out += "\r\n";
        for (const std::vector<Cell>& row : t.rows) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (c)
                    out += style.separator;
                out += cellText(row[c], style);
            }
            out += "\r\n";
        }
    }
    return out;
}

IoResult<> writeCsv(const std::string& path, const std::vector<Table>& tables, CsvStyle style) {
    return writeFileAtomically(path, toCsv(tables, style));
}

namespace {

// A file removed when it goes out of scope.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : m_path(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        std::error_code ec;
        fs::remove(m_path, ec);
    }

private:
    fs::path m_path;
};

} // namespace

IoResult<> writeXlsx(const std::string& path, const std::vector<Table>& tables) {
    using R = IoResult<>;
    if (pathOf(path).filename().empty())
        return R::failure(tx("kein Dateiname"));
    // The workbook goes to a private temporary file first; its bytes then replace the target
    // as every file of the program is replaced (atomically, through links, keeping the mode).
    // The temporary file goes on every way out.
    std::error_code ec;
    const fs::path tempFolder = fs::temp_directory_path(ec);
    if (ec)
        return R::failure(tx("die Arbeitsmappe kann nicht angelegt werden: der Ordner für "
                             "temporäre Dateien fehlt"));
    std::string tempName = (tempFolder / "brelvan-XXXXXX.xlsx").string();
    const int fd = mkstemps(tempName.data(), 5);
    if (fd < 0)
        return R::failure(
            cformat(tx("die Arbeitsmappe kann nicht angelegt werden: %s"), systemErrorText(errno)));
    close(fd);
    const TemporaryFile temp{fs::path(tempName)};

    lxw_workbook* book = workbook_new(tempName.c_str());
    if (!book)
        return R::failure(tx("die Arbeitsmappe kann nicht angelegt werden"));
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    format_set_text_wrap(bold);
    format_set_align(bold, LXW_ALIGN_VERTICAL_TOP);
    lxw_format* date = workbook_add_format(book);
    format_set_num_format(date, "dd.mm.yyyy");
    std::vector<lxw_format*> decimals;
    for (int d = 0; d <= 8; ++d) {
        lxw_format* f = workbook_add_format(book);
        format_set_num_format(
            f, d == 0 ? "0" : ("0." + std::string(static_cast<std::size_t>(d), '0')).c_str());
        decimals.push_back(f);
    }

    std::vector<std::string> used;
    for (const Table& t : tables) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName(t.name, used).c_str());
        if (!sheet)
            continue;
        for (std::size_t c = 0; c < t.columns.size(); ++c) {
            const Column& col = t.columns[c];
            const auto cc = static_cast<lxw_col_t>(c);
            const double width =
                col.width > 0
                    ? col.width
                    : std::clamp(static_cast<double>(col.heading.size()) * 0.75, 10.0, 40.0);
            worksheet_set_column(sheet, cc, cc, width, nullptr);
            worksheet_write_string(sheet, 0, cc, col.heading.c_str(), bold);
        }
        worksheet_freeze_panes(sheet, 1, 0);
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const auto rr = static_cast<lxw_row_t>(r + 1);
            for (std::size_t c = 0; c < t.rows[r].size(); ++c) {
                const Cell& cell = t.rows[r][c];
                const auto cc = static_cast<lxw_col_t>(c);
                const int places = c < t.columns.size() ? t.columns[c].decimals : -1;
                if (const double* v = std::get_if<double>(&cell)) {
                    if (std::isfinite(*v))
                        worksheet_write_number(
                            sheet, rr, cc, *v,
                            places >= 0 ? decimals[static_cast<std::size_t>(std::min(places, 8))]
                                        : nullptr);
                } else if (const Date* d = std::get_if<Date>(&cell)) {
                    lxw_datetime dt = {d->year, d->month, d->day, 0, 0, 0};
                    worksheet_write_datetime(sheet, rr, cc, &dt, date);
                } else if (const std::string* s = std::get_if<std::string>(&cell)) {
                    worksheet_write_string(sheet, rr, cc, s->c_str(), nullptr);
                }
            }
        }
    }
    const lxw_error status = workbook_close(book);
    if (status != LXW_NO_ERROR)
        return R::failure(cformat(tx("die Arbeitsmappe kann nicht geschrieben werden (%s)"),
                                  lxw_strerror(status)));
    const IoResult<std::string> bytes = readFileBounded(tempName);
    if (!bytes)
        return R::failure(bytes.error());
    return writeFileAtomically(path, bytes.value());
}

} // namespace brelvan::table

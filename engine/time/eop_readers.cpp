#include "time/eop_readers.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace engine::eop {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool is_blank(std::string_view s) { return trim(s).empty(); }

// A decimal number filling the whole (trimmed) field; Fortran-style fields such as ".143"
// and "+0.12" are accepted.
std::optional<double> parse_number(std::string_view field) {
  std::string_view s = trim(field);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  double value = 0.0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// Columns first..last (1-based, inclusive) of a fixed-column line, clipped to its length.
std::string_view columns(std::string_view line, std::size_t first, std::size_t last) {
  if (line.size() < first) return {};
  return line.substr(first - 1, std::min(last, line.size()) - (first - 1));
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (eol == std::string_view::npos) break;
    text.remove_prefix(eol + 1);
  }
  return lines;
}

std::vector<std::string_view> split_fields(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  if (separator == ' ') {
    std::size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
      const std::size_t start = i;
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
      if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
  }
  std::size_t start = 0;
  while (true) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(trim(line.substr(start, end - start)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return fields;
}

std::string line_error(std::size_t line_number, std::string_view what) {
  return "line " + std::to_string(line_number) + ": " + std::string(what);
}

// Reads one named field; on failure fills error and returns nullopt.
std::optional<double> field_value(std::string_view text, std::string_view name,
                                  std::size_t line_number, std::string& error) {
  const std::optional<double> value = parse_number(text);
  if (!value) {
    error = line_error(line_number, "cannot read " + std::string(name) + " from '" +
                                        std::string(trim(text)) + "'");
  }
  return value;
}

bool append_row(const EopRow& row, std::size_t line_number, std::vector<EopRow>& rows,
                std::string& error) {
  if (!rows.empty() && !(row.mjd_utc > rows.back().mjd_utc)) {
    error = line_error(line_number, "MJD " + std::to_string(row.mjd_utc) +
                                        " does not follow the previous row's");
    return false;
  }
  rows.push_back(row);
  return true;
}

// --- IERS finals (fixed columns) ----------------------------------------------------------

bool looks_like_finals_row(std::string_view line) {
  const std::string_view date = columns(line, 1, 6);
  for (char c : date) {
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != ' ') return false;
  }
  return date.size() == 6 && parse_number(columns(line, 8, 15)).has_value();
}

bool read_finals(const std::vector<std::string_view>& lines, std::vector<EopRow>& rows,
                 std::string& error) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const std::size_t n = i + 1;
    if (is_blank(line)) continue;
    const auto mjd = field_value(columns(line, 8, 15), "the MJD (columns 8-15)", n, error);
    if (!mjd) return false;
    const std::string_view x_text = columns(line, 19, 27);
    const std::string_view y_text = columns(line, 38, 46);
    const std::string_view dut1_text = columns(line, 59, 68);
    // Days the file lists before their values are known (at its end) have blank fields.
    if (is_blank(x_text) || is_blank(y_text) || is_blank(dut1_text)) continue;
    const auto x = field_value(x_text, "polar motion x (columns 19-27)", n, error);
    if (!x) return false;
    const auto y = field_value(y_text, "polar motion y (columns 38-46)", n, error);
    if (!y) return false;
    const auto dut1 = field_value(dut1_text, "UT1-UTC (columns 59-68)", n, error);
    if (!dut1) return false;
    if (!append_row(EopRow{*mjd, *x, *y, *dut1, kNoValue}, n, rows, error)) return false;
  }
  return true;
}

// --- CelesTrak EOP-All text ---------------------------------------------------------------

bool is_celestrak_text(const std::vector<std::string_view>& lines) {
  for (std::string_view line : lines) {
    const std::string_view t = trim(line);
    if (t == "BEGIN OBSERVED" || t == "BEGIN PREDICTED") return true;
  }
  return false;
}

bool read_celestrak_text(const std::vector<std::string_view>& lines, std::vector<EopRow>& rows,
                         std::string& error) {
  constexpr std::size_t kMjd = 3, kX = 4, kY = 5, kDut1 = 6, kDat = 12;
  bool in_data_block = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view t = trim(lines[i]);
    const std::size_t n = i + 1;
    if (t == "BEGIN OBSERVED" || t == "BEGIN PREDICTED") {
      in_data_block = true;
      continue;
    }
    if (t.starts_with("END ")) {
      in_data_block = false;
      continue;
    }
    if (!in_data_block || t.empty()) continue;
    const std::vector<std::string_view> f = split_fields(t, ' ');
    if (f.size() <= kDut1) {
      error = line_error(n, "expected at least 7 fields (date, MJD, x, y, UT1-UTC), found " +
                                std::to_string(f.size()));
      return false;
    }
    const auto mjd = field_value(f[kMjd], "the MJD (field 4)", n, error);
    if (!mjd) return false;
    const auto x = field_value(f[kX], "polar motion x (field 5)", n, error);
    if (!x) return false;
    const auto y = field_value(f[kY], "polar motion y (field 6)", n, error);
    if (!y) return false;
    const auto dut1 = field_value(f[kDut1], "UT1-UTC (field 7)", n, error);
    if (!dut1) return false;
    double dat = kNoValue;
    if (f.size() > kDat) {
      const auto value = field_value(f[kDat], "TAI-UTC (field 13)", n, error);
      if (!value) return false;
      dat = *value;
    }
    if (!append_row(EopRow{*mjd, *x, *y, *dut1, dat}, n, rows, error)) return false;
  }
  return true;
}

// --- CelesTrak EOP-All CSV ----------------------------------------------------------------

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::optional<std::size_t> column_index(const std::vector<std::string_view>& header,
                                        std::string_view name) {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (same_name(header[i], name)) return i;
  }
  return std::nullopt;
}

bool is_csv_header(std::string_view line) {
  return line.find(',') != std::string_view::npos &&
         column_index(split_fields(line, ','), "MJD").has_value();
}

bool read_csv(const std::vector<std::string_view>& lines, std::size_t header_line,
              std::vector<EopRow>& rows, std::string& error) {
  const std::vector<std::string_view> header = split_fields(lines[header_line], ',');
  const auto mjd_col = column_index(header, "MJD");
  const auto x_col = column_index(header, "X");
  const auto y_col = column_index(header, "Y");
  const auto dut1_col = column_index(header, "UT1-UTC");
  const auto dat_col = column_index(header, "DAT");
  if (!mjd_col || !x_col || !y_col || !dut1_col) {
    error = line_error(header_line + 1, "the header names no MJD, X, Y or UT1-UTC column");
    return false;
  }
  const std::size_t last_needed = std::max({*mjd_col, *x_col, *y_col, *dut1_col});
  for (std::size_t i = header_line + 1; i < lines.size(); ++i) {
    const std::size_t n = i + 1;
    if (is_blank(lines[i])) continue;
    const std::vector<std::string_view> f = split_fields(lines[i], ',');
    if (f.size() <= last_needed) {
      error = line_error(n, "expected " + std::to_string(header.size()) + " fields, found " +
                                std::to_string(f.size()));
      return false;
    }
    const auto mjd = field_value(f[*mjd_col], "MJD", n, error);
    if (!mjd) return false;
    if (f[*x_col].empty() || f[*y_col].empty() || f[*dut1_col].empty()) continue;
    const auto x = field_value(f[*x_col], "X", n, error);
    if (!x) return false;
    const auto y = field_value(f[*y_col], "Y", n, error);
    if (!y) return false;
    const auto dut1 = field_value(f[*dut1_col], "UT1-UTC", n, error);
    if (!dut1) return false;
    double dat = kNoValue;
    if (dat_col && *dat_col < f.size() && !f[*dat_col].empty()) {
      const auto value = field_value(f[*dat_col], "DAT", n, error);
      if (!value) return false;
      dat = *value;
    }
    if (!append_row(EopRow{*mjd, *x, *y, *dut1, dat}, n, rows, error)) return false;
  }
  return true;
}

}  // namespace

bool read_eop_rows(std::string_view text, std::vector<EopRow>& rows, std::string& error) {
  rows.clear();
  const std::vector<std::string_view> lines = split_lines(text);
  std::size_t first = 0;
  while (first < lines.size() && is_blank(lines[first])) ++first;
  if (first == lines.size()) {
    error = "the file is empty";
    return false;
  }

  bool ok = false;
  if (is_celestrak_text(lines)) {
    ok = read_celestrak_text(lines, rows, error);
  } else if (is_csv_header(lines[first])) {
    ok = read_csv(lines, first, rows, error);
  } else if (looks_like_finals_row(lines[first])) {
    ok = read_finals(lines, rows, error);
  } else {
    error = "not a recognised Earth-orientation layout (IERS finals, CelesTrak EOP-All text "
            "or CSV)";
    return false;
  }
  if (ok && rows.empty()) {
    error = "the file holds no row with polar motion and UT1-UTC";
    ok = false;
  }
  return ok;
}

}  // namespace engine::eop

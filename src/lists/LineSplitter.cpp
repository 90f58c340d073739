#include "lists/LineSplitter.h"

#include "core/TextRules.h"

#include <algorithm>
#include <array>

namespace dirforge::lists {

namespace {

/// Membership table of the delimiter's characters: one lookup per character of a line.
class DelimiterSet {
public:
    explicit DelimiterSet(std::string_view delimiter) {
        for (char c : delimiter)
            cuts_[static_cast<unsigned char>(c)] = true;
    }
    bool cutsAt(char c) const { return cuts_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> cuts_{};
};

void cutAtDelimiters(std::string_view stretch, const DelimiterSet& delimiters,
                     std::vector<std::string>& out) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= stretch.size(); ++i) {
        if (i < stretch.size() && !delimiters.cutsAt(stretch[i]))
            continue;
        if (i > start)
            out.emplace_back(stretch.substr(start, i - start));
        start = i + 1;
    }
}

/// Stretches outside marks are cut at the delimiter; each stretch inside a pair (or after an
/// unclosed last mark) becomes one value with its blanks trimmed.
void splitAtMarks(std::string_view line, char mark, const DelimiterSet& delimiters,
                  std::vector<std::string>& out) {
    bool inside = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != mark)
            continue;
        const std::string_view stretch = line.substr(start, i - start);
        if (inside)
            out.push_back(core::TrimSpaces(stretch));
        else
            cutAtDelimiters(stretch, delimiters, out);
        inside = !inside;
        start = i + 1;
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

/// The quoted field whose opening mark is at row[open]; at returns past its closing mark and any
/// text that follows it up to the next delimiter (kept, as spreadsheets keep it).
QuotedField quotedFieldAt(std::string_view row, std::size_t open, char mark,
                          const DelimiterSet& delimiters, std::size_t& at) {
    QuotedField field{{}, true};
    at = open + 1;
    while (at < row.size()) {
        if (row[at] != mark) {
            field.text.push_back(row[at++]);
        } else if (at + 1 < row.size() && row[at + 1] == mark) {
            field.text.push_back(mark);
            at += 2;
        } else {
            ++at;
            break;
        }
    }
    while (at < row.size() && !delimiters.cutsAt(row[at]))
        field.text.push_back(row[at++]);
    return field;
}

} // namespace

std::vector<QuotedField> SplitFields(std::string_view row, std::string_view delimiter, char mark) {
    const DelimiterSet delimiters(delimiter);
    const bool quotes = !delimiters.cutsAt(mark);
    const bool blanksAreOneCut = delimiter == " ";
    std::vector<QuotedField> fields;
    std::size_t at = 0;
    while (true) {
        if (blanksAreOneCut)
            while (at < row.size() && row[at] == ' ')
                ++at;
        std::size_t first = at;
        while (first < row.size() && isBlank(row[first]) && !delimiters.cutsAt(row[first]))
            ++first;
        if (quotes && first < row.size() && row[first] == mark) {
            fields.push_back(quotedFieldAt(row, first, mark, delimiters, at));
        } else {
            std::size_t end = at;
            while (end < row.size() && !delimiters.cutsAt(row[end]))
                ++end;
            fields.push_back({std::string(row.substr(at, end - at)), false});
            at = end;
        }
        if (at >= row.size())
            break;
        ++at; // past the delimiter
        if (blanksAreOneCut && at >= row.size())
            break; // blanks at the end make no empty field
    }
    return fields;
}

SplitLineResult SplitLine(std::string_view line, std::string_view delimiter) {
    SplitLineResult result;
    const DelimiterSet delimiters(delimiter);
    if (delimiter == " ") {
        if (std::count(line.begin(), line.end(), '"') >= 2) {
            result.splitAt = QuoteSplit::DoubleMarks;
            splitAtMarks(line, '"', delimiters, result.values);
            return result;
        }
        if (std::count(line.begin(), line.end(), '\'') >= 2) {
            result.splitAt = QuoteSplit::SingleMarks;
            splitAtMarks(line, '\'', delimiters, result.values);
            return result;
        }
    }
    cutAtDelimiters(line, delimiters, result.values);
    return result;
}

std::string Requote(std::string_view value, char mark) {
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted.push_back(mark);
    for (char c : value) {
        quoted.push_back(c);
        if (c == mark)
            quoted.push_back(mark);
    }
    quoted.push_back(mark);
    return quoted;
}

std::string Dequote(std::string_view value, char mark) {
    if (value.empty() || value.front() != mark)
        return std::string(value);
    std::string inner;
    inner.reserve(value.size());
    bool closed = false;
    for (std::size_t i = 1; i < value.size(); ++i) {
        if (value[i] != mark) {
            inner.push_back(value[i]);
        } else if (i + 1 < value.size() && value[i + 1] == mark) {
            inner.push_back(mark);
            ++i;
        } else {
            closed = true;
            break;
        }
    }
    if (!closed && !inner.empty())
        inner.pop_back();
    return inner.empty() ? std::string(value) : inner;
}

} // namespace dirforge::lists

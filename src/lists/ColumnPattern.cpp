#include "lists/ColumnPattern.h"

#include "core/TextRules.h"

#include <charconv>

namespace dirforge::lists {

bool ColumnPattern::LooksLikePattern(std::string_view text) {
    return text.find_first_of("{}") != std::string_view::npos;
}

bool ColumnPattern::Parse(std::string_view text, ColumnPattern& pattern, std::string& why) {
    const std::string typed = core::Trim(text);
    ColumnPattern parsed;
    parsed.text_ = typed;
    std::string literal;
    bool namesColumn = false;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if ((c == '{' || c == '}') && i + 1 < typed.size() && typed[i + 1] == c) {
            literal.push_back(c);
            ++i;
            continue;
        }
        if (c == '}') {
            why = "has a } without its { (write }} for the brace itself)";
            return false;
        }
        if (c != '{') {
            literal.push_back(c);
            continue;
        }
        const std::size_t close = typed.find('}', i);
        if (close == std::string::npos) {
            why = "has a { without its closing }";
            return false;
        }
        const std::string_view inside = std::string_view(typed).substr(i + 1, close - i - 1);
        std::size_t column = 0;
        const auto [end, error] =
            std::from_chars(inside.data(), inside.data() + inside.size(), column);
        if (inside.empty() || error != std::errc() || end != inside.data() + inside.size()) {
            why = ("has {" + std::string(inside) + "} where a column number such as {1} belongs");
            return false;
        }
        if (column == 0) {
            why = "names column 0; columns are counted from {1}";
            return false;
        }
        if (!literal.empty())
            parsed.pieces_.push_back({std::move(literal), 0});
        literal.clear();
        parsed.pieces_.push_back({{}, column});
        namesColumn = true;
        i = close;
    }
    if (!namesColumn) {
        why = "names no column such as {1}";
        return false;
    }
    if (!literal.empty())
        parsed.pieces_.push_back({std::move(literal), 0});
    pattern = std::move(parsed);
    return true;
}

std::optional<std::string> ColumnPattern::Build(const std::vector<std::string>& values) const {
    std::string entry;
    for (const Piece& piece : pieces_) {
        if (piece.column == 0) {
            entry += piece.literal;
            continue;
        }
        if (piece.column > values.size() || values[piece.column - 1].empty())
            return std::nullopt;
        entry += values[piece.column - 1];
    }
    return entry;
}

std::string LeftOutRowsNote(std::size_t rows) {
    if (rows == 0)
        return {};
    return std::to_string(rows) + (rows == 1 ? " row lacking" : " rows lacking") +
           " a column of the pattern " + (rows == 1 ? "was" : "were") + " left out.";
}

} // namespace dirforge::lists

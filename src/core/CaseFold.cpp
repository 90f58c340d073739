#include "core/CaseFold.h"

#include "core/Utf8.h"

namespace dirforge::core {

namespace {

constexpr char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// Alternating capital/small pairs: the capital sits on the even (or odd) code point.
constexpr bool inPairRange(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}
constexpr char32_t foldPair(char32_t c, bool capitalIsEven) {
    return ((c % 2 == 0) == capitalIsEven) ? c + 1 : c;
}

char32_t foldLatin(char32_t c) {
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    if (c == 0x130)
        return 'i';
    if (inPairRange(c, 0x100, 0x137) && c != 0x131)
        return foldPair(c, true);
    if (inPairRange(c, 0x139, 0x148))
        return foldPair(c, false);
    if (inPairRange(c, 0x14A, 0x177))
        return foldPair(c, true);
    if (c == 0x178)
        return 0xFF;
    if (inPairRange(c, 0x179, 0x17E))
        return foldPair(c, false);
    if (c == 0x17F)
        return 's';
    return c;
}

char32_t foldGreek(char32_t c) {
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 0x20;
    switch (c) {
    case 0x386:
        return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
        return c + 0x25;
    case 0x38C:
        return 0x3CC;
    case 0x38E:
    case 0x38F:
        return c + 0x3F;
    case 0x3C2:
        return 0x3C3; // final sigma folds with sigma
    default:
        return c;
    }
}

char32_t foldCyrillicArmenian(char32_t c) {
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    if (c >= 0x410 && c <= 0x42F)
        return c + 0x20;
    if (inPairRange(c, 0x460, 0x481) || inPairRange(c, 0x48A, 0x4BF) ||
        inPairRange(c, 0x4D0, 0x52F))
        return foldPair(c, true);
    if (c == 0x4C0)
        return 0x4CF;
    if (inPairRange(c, 0x4C1, 0x4CE))
        return foldPair(c, false);
    if (c >= 0x531 && c <= 0x556)
        return c + 0x30;
    return c;
}

char32_t foldCodePoint(char32_t c) {
    if (c < 0x80)
        return static_cast<char32_t>(foldAscii(static_cast<char>(c)));
    if (c < 0x180)
        return foldLatin(c);
    if (c >= 0x370 && c < 0x400)
        return foldGreek(c);
    if (c >= 0x400 && c < 0x560)
        return foldCyrillicArmenian(c);
    return c;
}

void appendFolded(std::string& out, std::string_view text, std::size_t from) {
    for (std::size_t pos = from; pos < text.size();) {
        const char byte = text[pos];
        if (static_cast<unsigned char>(byte) < 0x80) {
            out.push_back(foldAscii(byte));
            ++pos;
            continue;
        }
        const Utf8Char ch = DecodeUtf8(text, pos);
        if (ch.valid)
            AppendUtf8(out, foldCodePoint(ch.codePoint));
        else
            out.push_back(byte);
        pos += ch.length;
    }
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

std::string FoldCase(std::string_view text) {
    // The ASCII run is folded in place; from the first wider character on, character by character.
    std::string out(text);
    std::size_t i = 0;
    for (; i < out.size() && static_cast<unsigned char>(out[i]) < 0x80; ++i)
        out[i] = foldAscii(out[i]);
    if (i < out.size()) {
        out.resize(i);
        appendFolded(out, text, i);
    }
    return out;
}

int CompareFolded(std::string_view a, std::string_view b) {
    // Walk the common ASCII run without allocating; fold the rest only when a wider character
    // appears. Folding is per character, so comparing the folded suffixes is exact.
    std::size_t i = 0;
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80)
            break;
        const auto fa = static_cast<unsigned char>(foldAscii(static_cast<char>(ca)));
        const auto fb = static_cast<unsigned char>(foldAscii(static_cast<char>(cb)));
        if (fa != fb)
            return fa < fb ? -1 : 1;
    }
    if (i == n)
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    std::string restA;
    std::string restB;
    appendFolded(restA, a, i);
    appendFolded(restB, b, i);
    return sign(restA.compare(restB));
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return CompareFolded(a, b) == 0;
}

int CompareIgnoreCase(std::string_view a, std::string_view b) {
    const int folded = CompareFolded(a, b);
    return folded != 0 ? folded : sign(a.compare(b));
}

} // namespace dirforge::core

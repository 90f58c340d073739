#include "engine/TargetComposer.h"

#include "core/TextRules.h"

namespace dirforge::engine {

namespace {

std::string HyphenFor(bool hyphen, std::string_view text) {
    return hyphen && !core::Trim(text).empty() ? "-" : "";
}

std::string WithBackslash(std::string text) {
    if (text.empty() || text.back() != '\\')
        text += '\\';
    return text;
}

/// The last "." of the last element to the end: "" when the last element has no dot.
std::string_view ExtensionOf(std::string_view path) {
    const std::size_t elementStart = path.find_last_of("\\:");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos ||
        (elementStart != std::string_view::npos && dot < elementStart))
        return {};
    return path.substr(dot);
}

} // namespace

_tagVol0XParts BuildDestinationParts(std::string_view destination, const std::string& prefix,
                                     const std::string& suffix, bool hyphen) {
    _tagVol0XParts parts;
    parts.head = DestinationWithBackslash(destination) + prefix + HyphenFor(hyphen, prefix);
    parts.joiner = HyphenFor(hyphen, suffix);
    parts.suffix = suffix;
    return parts;
}

std::string JoinParts(const _tagVol0XParts& parts, std::string_view item) {
    std::string target;
    target.reserve(parts.head.size() + item.size() + parts.joiner.size() + parts.suffix.size());
    target.append(parts.head).append(item).append(parts.joiner).append(parts.suffix);
    return target;
}

std::string ComposeTarget(const _tagVol0XParts& parts, std::string_view item) {
    return core::NormalizeTarget(JoinParts(parts, item));
}

std::string LastElement(std::string_view path) {
    const std::size_t cut = path.find_last_of("\\:");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string FolderPart(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos) {
        const std::size_t colon = path.find(':');
        return colon == std::string_view::npos ? std::string()
                                               : std::string(path.substr(0, colon + 1));
    }
    if (slash > 0 && path[slash - 1] == ':')
        return std::string(path.substr(0, slash + 1));
    return std::string(path.substr(0, slash));
}

_tagVol0XParts BuildPathParts(std::string_view entry, const std::string& prefix,
                              const std::string& suffix, bool hyphen) {
    std::string folder(entry);
    if (!core::Trim(ExtensionOf(entry)).empty())
        folder = FolderPart(entry);
    _tagVol0XParts parts;
    parts.head = WithBackslash(FolderPart(folder)) + prefix + HyphenFor(hyphen, prefix);
    parts.name = LastElement(folder);
    parts.joiner = HyphenFor(hyphen, suffix);
    parts.suffix = suffix;
    return parts;
}

std::string ComposePathTarget(std::string_view entry, const std::string& prefix,
                              const std::string& suffix, bool hyphen) {
    const _tagVol0XParts parts = BuildPathParts(entry, prefix, suffix, hyphen);
    return JoinParts(parts, parts.name);
}

std::string DestinationWithBackslash(std::string_view destination) {
    return WithBackslash(core::Trim(destination));
}

} // namespace dirforge::engine

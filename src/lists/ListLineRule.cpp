#include "lists/ListLineRule.h"

#include "core/PathChecks.h"
#include "core/TextRules.h"
#include "lists/ComposedForm.h"

namespace dirforge::lists {

namespace {

constexpr std::array<const char*, 7> kRefusalTexts = {
    "",
    "blank",
    "with a drive letter",
    "with a character a folder name may not hold",
    "without a drive letter",
    "a host path on no mapped drive",
    "with an invisible character inside (zero-width space, joiner or byte-order mark), "
    "which no portable name holds"};

std::size_t IndexOf(LineRefusal refusal) {
    return static_cast<std::size_t>(refusal);
}

} // namespace

ListLine StringsPageLine(std::string_view line) {
    std::string name = ComposedForm(core::NormalizePath(core::Trim(line)));
    std::string found;
    if (name.empty())
        return {{}, LineRefusal::Blank};
    if (core::HoldsInvisibleCharacter(name))
        return {std::move(name), LineRefusal::Invisible};
    if (core::HasDrivePart(name))
        return {std::move(name), LineRefusal::DrivePart};
    if (!core::CheckIllegalChars(core::IllegalCharSet::RelativePath, name, found))
        return {std::move(name), LineRefusal::RefusedCharacter};
    return {std::move(name), LineRefusal::None};
}

ListLine PathsPageLine(const platform::TypedPath& line) {
    if (line.kind == platform::TypedPath::Kind::Unmapped)
        return {line.path, LineRefusal::UnmappedHostPath};
    std::string path = ComposedForm(core::NormalizePath(line.path));
    if (core::Trim(path).empty())
        return {{}, LineRefusal::Blank};
    if (core::HoldsInvisibleCharacter(path))
        return {std::move(path), LineRefusal::Invisible};
    if (!core::HasDrivePart(path))
        return {std::move(path), LineRefusal::NoDrivePart};
    return {std::move(path), LineRefusal::None};
}

void LeftOutLines::add(LineRefusal refusal, std::string_view line) {
    if (refusal == LineRefusal::None || refusal == LineRefusal::Blank)
        return;
    const std::size_t index = IndexOf(refusal);
    if (counts_[index]++ == 0)
        examples_[index] = core::Trim(line);
}

std::size_t LeftOutLines::count() const {
    std::size_t total = 0;
    for (std::size_t n : counts_)
        total += n;
    return total;
}

std::string LeftOutLines::summary() const {
    const std::size_t total = count();
    if (total == 0)
        return {};
    std::string text = std::to_string(total) + (total == 1 ? " line" : " lines") + " left out:";
    const char* separator = " ";
    for (std::size_t index = 0; index < kCauses; ++index) {
        if (counts_[index] == 0)
            continue;
        text += separator + std::to_string(counts_[index]) + " " + kRefusalTexts[index] +
                " (first: \"" + examples_[index] + "\")";
        separator = ", ";
    }
    return text;
}

} // namespace dirforge::lists

#include "cli/ProfileOptions.h"

#include "cli/BatchRequest.h"
#include "core/TextRules.h"
#include "engine/TemplateRules.h"
#include "settings/PageChoices.h"

#include <charconv>

namespace dirforge::cli {

namespace {

using engine::AttachMode;

/// A number field's text as the page takes it when the field is left: a whole number, at least 1.
std::int32_t NumberFieldValue(const std::string& text, std::int32_t fallback) {
    const std::string trimmed = core::Trim(text);
    std::int32_t value = 0;
    const auto [end, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (error != std::errc() || end != trimmed.data() + trimmed.size())
        return fallback;
    return value < 1 ? 1 : value;
}

settings::PageChoices ChoicesFor(const settings::PageSetup& setup, Command command) {
    switch (command) {
    case Command::Paths:
        return settings::ChoicesOf(setup.paths);
    case Command::Numbers:
        return settings::ChoicesOf(setup.numbers);
    case Command::Strings:
    case Command::Undo:
        break;
    }
    return settings::ChoicesOf(setup.strings);
}

void ApplyItems(const settings::PageSetup& setup, BatchOptions& options) {
    switch (options.command) {
    case Command::Strings:
        if (!options.wasGiven("dest"))
            options.destination = settings::SavedDestination(setup.strings.cboVol02DestFoldersText);
        if (!options.wasGiven("names") && !options.wasGiven("name"))
            options.names = setup.strings.lstVol02IncludeStrings;
        break;
    case Command::Paths:
        if (!options.wasGiven("paths") && !options.wasGiven("path"))
            options.paths = setup.paths.lstVol04IncludeFolderList;
        break;
    case Command::Numbers:
        if (!options.wasGiven("dest"))
            options.destination = settings::SavedDestination(setup.numbers.cboVol03DestFoldersText);
        if (!options.wasGiven("start"))
            options.startNumber = NumberFieldValue(setup.numbers.edtVol03StartNumber, 1);
        if (!options.wasGiven("end"))
            options.endNumber =
                NumberFieldValue(setup.numbers.edtVol03EndNumber, options.startNumber);
        if (!options.wasGiven("pad"))
            options.padded = setup.numbers.chkVol03PaddedZeroes != 0;
        if (!options.wasGiven("number-suffix"))
            options.numberSuffix = setup.numbers.chkVol03AddIncNumbersAsSuffix != 0;
        break;
    case Command::Undo:
        break;
    }
}

void ApplyAttach(const settings::PageChoices& choices, const settings::PageSetup& setup,
                 BatchOptions& options) {
    if (!options.wasGiven("attach"))
        options.attach = choices.mode;
    if (!options.wasGiven("copy"))
        options.copy = choices.variant;
    // The structure window holds folders in one mode and template lines in the other: its lines
    // stand in only for the mode they were saved in.
    if (choices.mode == options.attach && options.attach == AttachMode::Existing &&
        !options.wasGiven("structure"))
        options.structures = choices.structures;
    if (choices.mode == options.attach && options.attach == AttachMode::TextTemplates &&
        !options.wasGiven("template") && !options.wasGiven("templates"))
        options.templates = choices.structures;
    if (!options.wasGiven("template-option")) {
        const auto saved =
            setup.templateOptions.find(engine::TemplateOptionsKey(PageOf(options.command)));
        options.templateOption = saved != setup.templateOptions.end()
                                     ? saved->second
                                     : engine::_tagFoldersTemplateOptions{};
    }
}

} // namespace

void ApplyProfile(const settings::PageSetup& setup, BatchOptions& options) {
    const settings::PageChoices choices = ChoicesFor(setup, options.command);
    ApplyItems(setup, options);
    if (!options.wasGiven("prefix"))
        options.prefix = choices.prefix;
    if (!options.wasGiven("suffix"))
        options.suffix = choices.suffix;
    if (!options.wasGiven("hyphen"))
        options.hyphen = choices.hyphen;
    ApplyAttach(choices, setup, options);
    if (!options.wasGiven("fill-existing"))
        options.fillExisting = choices.fillExisting;
    if (!options.wasGiven("tokens"))
        options.tokens = choices.tokens;
}

} // namespace dirforge::cli

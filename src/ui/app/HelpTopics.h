#pragma once
// The built-in help: one title and one text per topic, shown by the help window.

#include "engine/PageKind.h"

#include <array>

namespace dirforge::ui {

/// Every topic a help button or menu item can ask for.
enum class HelpTopic {
    Overview,
    StringsPage,
    PathsPage,
    NumbersPage,
    Import,
    Export,
    ListEditors,
    TemplateOptions,
    VisualLog,
    LevelSummary,
    FolderPicker,
};

/// All topics, in the order of the enum.
inline constexpr std::array<HelpTopic, 11> kAllHelpTopics = {
    HelpTopic::Overview,     HelpTopic::StringsPage,     HelpTopic::PathsPage,
    HelpTopic::NumbersPage,  HelpTopic::Import,          HelpTopic::Export,
    HelpTopic::ListEditors,  HelpTopic::TemplateOptions, HelpTopic::VisualLog,
    HelpTopic::LevelSummary, HelpTopic::FolderPicker,
};

/// Whether the help window offers "More Help Online" with a topic.
enum class MoreHelp { Hidden, Shown };

/// The topic's heading, e.g. "Create Multiple Folders Using Strings".
const char* HelpTopicTitle(HelpTopic topic);
/// The topic's text: plain text, paragraphs separated by blank lines.
const char* HelpTopicText(HelpTopic topic);
/// What the template options mean on one page.
const char* TemplateOptionsPageNote(engine::PageKind page);

} // namespace dirforge::ui

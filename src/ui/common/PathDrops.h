#pragma once
// Files and folders dropped from a file manager: a control takes the local paths a drag
// carries when its rule accepts them. During a run the busy input filter drops every drag.

#include <QStringList>

#include <functional>

class QWidget;

namespace dirforge::ui {

/// Which dropped paths a control takes (all of them local paths).
using DropRule = std::function<bool(const QStringList& paths)>;
/// What the control does with them.
using DropAction = std::function<void(const QStringList& paths)>;

/// Makes target (a list's viewport, a box, a field) take drops of local files and folders that
/// rule accepts while target is enabled; take then gets their host paths.
void AcceptPathDrops(QWidget& target, DropRule rule, DropAction take);

/// Rules: every path is a folder; one file whose name ends in .txt or .csv.
bool AllFolders(const QStringList& paths);
bool OneListFile(const QStringList& paths);

} // namespace dirforge::ui

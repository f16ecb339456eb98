#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tarvello {

// The one conversion between the core's texts and the widgets' texts: file
// texts are Windows-1252 bytes, widgets show Unicode.
QString fromFileText(const std::string &cp1252bytes);
std::string toFileText(const QString &text);

// A text as a widget is given it: at most kMaxShownText characters, the
// rest cut off behind an ellipsis, so a megabyte-long text from a file,
// the clipboard or the settings never reaches Qt's text shaping.
QString shownFileText(const std::string &cp1252bytes);
QString shownText(const QString &text);

// A message of the core (a failure, a notice) as a box shows it: the paths in
// it keep their letters ("Ölaf"), the texts of files theirs; each line that
// is a marked text of the core, or one of its patterns filled (see
// platform/messagetexts.h and platform/explaintexts.h), is shown in the
// windows' language.
QString fromMessageText(const std::string &bytes);

// text, a core message already converted, with each line translated as
// fromMessageText does (the names of undo steps: "Remove %1").
QString coreMessage(const QString &text);

// A text the core marked for translation (TV_TR), in the windows' language.
QString coreText(std::string_view text);

// A path as the core's file functions open it (the file system's encoding).
std::string toFilePath(const QString &path);
QString fromFilePath(const std::string &path);

} // namespace tarvello

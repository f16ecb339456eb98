#pragma once

#include "platform/quietdialogs.h"

namespace tarvello {

// The dialogs of a run without windows: a message box becomes one line on
// standard error, every question and choice is answered "cancelled".
class CliDialogs : public QuietDialogs
{
public:
    Answer message(QWidget *parent, const QString &title, const QString &text, Buttons buttons,
                   Icon icon, const QString &informative = QString()) override;
};

// A line on standard error (UTF-8), its line breaks turned into blanks.
void sayLine(const QString &line);

} // namespace tarvello

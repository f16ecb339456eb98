#pragma once

#include "platform/idialogs.h"

namespace tarvello {

// The dialogs of a run without windows: a message box becomes one line on
// standard error, every question and choice is answered "cancelled".
class CliDialogs : public IDialogs
{
public:
    Answer message(QWidget *parent, const QString &title, const QString &text, Buttons buttons,
                   Icon icon, const QString &informative = QString()) override;
    std::optional<QString> openFile(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QString> saveFile(QWidget *, const QString &, const QString &, const QString &,
                                    bool) override
    {
        return std::nullopt;
    }
    std::optional<QString> folder(QWidget *, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    std::optional<QFont> font(QWidget *, const QFont &) override { return std::nullopt; }
    bool printerSetup(QWidget *, QPrinter *) override { return false; }
    void printPreview(QWidget *, QPrinter *, std::function<void(QPrinter *)>) override {}
};

// A line on standard error (UTF-8), its line breaks turned into blanks.
void sayLine(const QString &line);

} // namespace tarvello

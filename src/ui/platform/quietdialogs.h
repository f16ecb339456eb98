#pragma once

#include "platform/idialogs.h"

namespace tarvello {

// Dialogs no one sees (a run without windows, a benchmark): a message box is
// answered OK, every question and choice "cancelled".
class QuietDialogs : public IDialogs
{
public:
    Answer message(QWidget *, const QString &, const QString &, Buttons, Icon,
                   const QString &) override
    {
        return Answer::Ok;
    }
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

} // namespace tarvello

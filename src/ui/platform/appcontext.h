#pragma once

#include <QString>

#include <functional>

class QPrinter;

namespace tarvello {

class IDialogs;
struct RulesTables;

// What every window receives: the dialogs, the shared rules tables and the
// program folder (where the tables, the readme and the sample figures lie),
// and the printer.
struct AppContext
{
    IDialogs *dialogs = nullptr;
    RulesTables *tables = nullptr;
    QString programFolder;
    // The player's figures: the program folder's "figures", where the samples
    // lie, the army editor looks first and the figure dialogs start.
    QString figuresFolder() const { return programFolder + QStringLiteral("/figures"); }
    // The main window's printer-setup dialog (frmMain::PrintIt) for the
    // document of the given name: true when the user confirmed it; every
    // print command asks it first.
    std::function<bool(const QString &documentName)> printSetup;
    // The current printer, as the last confirmed setup left it.
    QPrinter *printer = nullptr;
    // The user's settings file (recent files); empty: the usual one in the
    // user's config folder.
    QString settingsFile;
    // The sample pictures beside the program, where the picture dialog
    // starts (a player's own program folder holds no copy of them).
    QString picturesFolder;
};

} // namespace tarvello

#pragma once

#include <QString>

class IDialogs;
namespace tarvello {
struct RulesTables;
}

// What every window receives: the dialogs, the shared rules tables and the
// program folder (where the tables, the readme and the sample figures lie).
struct AppContext
{
    IDialogs *dialogs = nullptr;
    tarvello::RulesTables *tables = nullptr;
    QString programFolder;
};

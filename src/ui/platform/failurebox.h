#pragma once

#include "platform/idialogs.h"

#include <QString>

class QWidget;

namespace tarvello {

struct Failure;

// The two titles of the program's message boxes.
enum class BoxTitle
{
    Plain,       // "Tarvello": the editors' own messages
    WithVersion, // "Tarvello 1.0.0": printing and card messages
};

// The text of title.
QString boxTitleText(BoxTitle title);

// An OK box with failure's sentence and description as its two lines.
void showFailure(IDialogs &dialogs, QWidget *parent, const Failure &failure,
                 IDialogs::Icon icon = IDialogs::Icon::None, BoxTitle title = BoxTitle::Plain);

} // namespace tarvello

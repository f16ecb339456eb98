#include "clidialogs.h"

#include <cstdio>

namespace tarvello {

void sayLine(const QString &line)
{
    QString single = line;
    single.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    single.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray bytes = single.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

IDialogs::Answer CliDialogs::message(QWidget *, const QString &, const QString &text, Buttons buttons,
                                     Icon, const QString &informative)
{
    sayLine(informative.isEmpty() ? text : text + QStringLiteral(": ") + informative);
    return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

} // namespace tarvello

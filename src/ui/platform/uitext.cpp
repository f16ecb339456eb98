#include "uitext.h"

#include "platform/showntext.h"

#include "platform/cp1252.h"

#include <QFile>

namespace tarvello {

QString fromFileText(const std::string &cp1252bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252bytes));
}

std::string toFileText(const QString &text)
{
    return Utf8ToCp1252(text.toStdString());
}

QString fromMessageText(const std::string &bytes)
{
    return QString::fromStdString(MessageTextToUtf8(bytes));
}

QString shownFileText(const std::string &cp1252bytes)
{
    return fromFileText(ShownText(cp1252bytes));
}

QString shownText(const QString &text)
{
    if (text.size() <= static_cast<qsizetype>(kMaxShownText))
        return text;
    return text.left(static_cast<qsizetype>(kMaxShownText) - 1) + QChar(0x2026);
}

std::string toFilePath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromFilePath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace tarvello

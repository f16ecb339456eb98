#include "uitext.h"

#include "platform/cp1252.h"

#include <QFile>

namespace tarvello {

QString FromFileText(const std::string &cp1252bytes)
{
    return QString::fromStdString(tarvello::Cp1252ToUtf8(cp1252bytes));
}

std::string ToFileText(const QString &text)
{
    return tarvello::Utf8ToCp1252(text.toStdString());
}

std::string ToFilePath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromFilePath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace tarvello

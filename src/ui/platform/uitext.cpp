#include "uitext.h"

#include "platform/showntext.h"

#include "platform/cp1252.h"
#include "platform/messagetexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <vector>

namespace tarvello {

QString fromFileText(const std::string &cp1252bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252bytes));
}

std::string toFileText(const QString &text)
{
    return Utf8ToCp1252(text.toStdString());
}

namespace {

// A filled pattern of the core: a whole line matched, and the places of its
// values in the order they stand ("%2 ... %1" gives 2, 1).
struct FilledPattern
{
    QByteArray source;
    QRegularExpression line;
    std::vector<int> places;
};

std::vector<FilledPattern> filledPatterns()
{
    std::vector<FilledPattern> patterns;
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    for (std::string_view text : msg::kFilledTexts) {
        FilledPattern pattern;
        pattern.source = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
        const QString source = QString::fromUtf8(pattern.source);
        QString expression = QStringLiteral("^");
        qsizetype from = 0;
        for (const QRegularExpressionMatch &m : marker.globalMatch(source)) {
            expression += QRegularExpression::escape(source.mid(from, m.capturedStart() - from));
            expression += QStringLiteral("(.*)");
            pattern.places.push_back(m.captured(1).toInt());
            from = m.capturedEnd();
        }
        expression += QRegularExpression::escape(source.mid(from)) + QStringLiteral("$");
        pattern.line = QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
        patterns.push_back(std::move(pattern));
    }
    return patterns;
}

QString translatedLine(const QString &line)
{
    const QByteArray source = line.toUtf8();
    const QString exact = QCoreApplication::translate(kCoreTextContext, source.constData());
    if (exact != line)
        return exact;
    static const std::vector<FilledPattern> patterns = filledPatterns();
    for (const FilledPattern &pattern : patterns) {
        const QRegularExpressionMatch match = pattern.line.match(line);
        if (!match.hasMatch())
            continue;
        QString translated = QCoreApplication::translate(kCoreTextContext, pattern.source.constData());
        // Each value once, by its number, so that a value holding "%2" stays as it is.
        QStringList values(9);
        for (std::size_t i = 0; i < pattern.places.size(); ++i)
            values[pattern.places[i] - 1] = match.captured(static_cast<int>(i) + 1);
        QString filled;
        for (qsizetype i = 0; i < translated.size(); ++i) {
            const QChar next = i + 1 < translated.size() ? translated[i + 1] : QChar();
            if (translated[i] == QLatin1Char('%') && next >= QLatin1Char('1') && next <= QLatin1Char('9')) {
                filled += values[next.digitValue() - 1];
                ++i;
            } else {
                filled += translated[i];
            }
        }
        return filled;
    }
    return line;
}

} // namespace

QString fromMessageText(const std::string &bytes)
{
    return coreMessage(QString::fromStdString(MessageTextToUtf8(bytes)));
}

QString coreMessage(const QString &text)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QStringList lines = text.split(lineBreak);
    for (QString &line : lines)
        line = translatedLine(line);
    return lines.join(lineBreak);
}

QString coreText(std::string_view text)
{
    const std::string source(text);
    return QCoreApplication::translate(kCoreTextContext, source.c_str());
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

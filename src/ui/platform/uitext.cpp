#include "uitext.h"

#include "platform/showntext.h"

#include "platform/cp1252.h"
#include "platform/explaintexts.h"
#include "platform/messagetexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
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
    // The numbers of its values that are texts of the core themselves.
    QString texts;
    // Whether it is a part of a list, matched only against a value.
    bool valueOnly = false;
    qsizetype literal = 0;
};

std::vector<FilledPattern> filledPatterns()
{
    std::vector<FilledPattern> patterns;
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    struct Text
    {
        msg::ExplainText text;
        bool valueOnly;
    };
    std::vector<Text> texts;
    for (std::string_view text : msg::kFilledTexts)
        texts.push_back({{text, {}}, false});
    for (const msg::ExplainText &text : msg::kExplainTexts)
        texts.push_back({text, false});
    for (const msg::ExplainText &text : msg::kListTexts)
        texts.push_back({text, true});
    for (const auto &[explained, valueOnly] : texts) {
        const std::string_view text = explained.text;
        FilledPattern pattern;
        pattern.texts = QString::fromLatin1(explained.texts.data(),
                                            static_cast<qsizetype>(explained.texts.size()));
        pattern.valueOnly = valueOnly;
        pattern.source = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
        const QString source = QString::fromUtf8(pattern.source);
        QString expression = QStringLiteral("^");
        qsizetype from = 0;
        for (const QRegularExpressionMatch &m : marker.globalMatch(source)) {
            expression += QRegularExpression::escape(source.mid(from, m.capturedStart() - from));
            expression += QStringLiteral("(.*)");
            pattern.places.push_back(m.captured(1).toInt());
            pattern.literal += m.capturedStart() - from;
            from = m.capturedEnd();
        }
        pattern.literal += source.size() - from;
        expression += QRegularExpression::escape(source.mid(from)) + QStringLiteral("$");
        pattern.line = QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
        patterns.push_back(std::move(pattern));
    }
    // The pattern with the most words of its own first: "Hit Points %1, as set ..."
    // before "Hit Points %1".
    std::stable_sort(patterns.begin(), patterns.end(),
                     [](const FilledPattern &a, const FilledPattern &b) { return a.literal > b.literal; });
    return patterns;
}

// line in the windows' language; a value that is a text of the core is
// translated as a line of its own, and may be a part of a list.
QString translatedLine(const QString &line, bool value = false)
{
    const QByteArray source = line.toUtf8();
    const QString exact = QCoreApplication::translate(kCoreTextContext, source.constData());
    if (exact != line)
        return exact;
    static const std::vector<FilledPattern> patterns = filledPatterns();
    for (const FilledPattern &pattern : patterns) {
        if (pattern.valueOnly && !value)
            continue;
        const QRegularExpressionMatch match = pattern.line.match(line);
        if (!match.hasMatch())
            continue;
        QString translated = QCoreApplication::translate(kCoreTextContext, pattern.source.constData());
        // Each value once, by its number, so that a value holding "%2" stays as it is.
        QStringList values(9);
        for (std::size_t i = 0; i < pattern.places.size(); ++i) {
            const int place = pattern.places[i];
            const QString value = match.captured(static_cast<int>(i) + 1);
            values[place - 1] = pattern.texts.contains(QChar(u'0' + place)) ? translatedLine(value, true)
                                                                               : value;
        }
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
    // Lines end in "\r\n" (messages) or "\n" (tool tips); each keeps its end.
    const QChar lineFeed = QLatin1Char('\n');
    QStringList lines = text.split(lineFeed);
    for (QString &line : lines) {
        const bool carriageReturn = line.endsWith(QLatin1Char('\r'));
        line = translatedLine(carriageReturn ? line.chopped(1) : line);
        if (carriageReturn)
            line += QLatin1Char('\r');
    }
    return lines.join(lineFeed);
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

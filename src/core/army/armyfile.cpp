#include "armyfile.h"

#include "armypoints.h"

#include "platform/explaintexts.h"
#include "platform/fileio.h"
#include "platform/runtimeerror.h"

#include <algorithm>
#include <utility>

namespace tarvello {

namespace {

constexpr const char *kInputPastEnd = TV_TR("Core", "Input past end of file");
constexpr const char *kCrLf = "\r\n";

// The first 16 fields of a unit line; false when it has fewer.
bool SplitUnitLine(std::string_view line, ArmyUnit &unit)
{
    std::size_t pos = 0;
    for (std::size_t field = 0; field < kUnitFields; ++field) {
        if (pos > line.size())
            return false;
        const std::size_t end = std::min(line.find(';', pos), line.size());
        unit.fields[field].assign(line.substr(pos, end - pos));
        pos = end + 1;
    }
    return true;
}

} // namespace

std::string ArmyHeaderLine()
{
    std::string line;
    for (const std::string_view header : kUnitHeaders) {
        if (!line.empty())
            line += ';';
        line += header;
    }
    return line;
}

std::string ArmyFileText(const std::string &name, const std::string &directory,
                         const ArmyUnits &units, const std::string &pointsLimit,
                         const std::string &headerTail)
{
    const std::string header = headerTail.empty() ? ArmyHeaderLineWithLimit(pointsLimit)
                                                  : ArmyHeaderLine() + headerTail;
    std::string text = name + kCrLf + directory + kCrLf + header + kCrLf;
    units.ForEach([&text](const ArmyUnit &unit, double) {
        for (std::size_t i = 0; i < kUnitFields; ++i) {
            if (i > 0)
                text += ';';
            text += unit.fields[i];
        }
        text += kCrLf;
    });
    return text;
}

ArmyFileContent ParseArmyFile(std::string_view bytes)
{
    ArmyFileContent content;
    std::size_t lineNumber = 0;
    ForEachLine(bytes, [&content, &lineNumber](std::string_view line) {
        ++lineNumber;
        if (!content.error.empty())
            return;
        if (lineNumber == 1) {
            content.name.assign(line);
        } else if (lineNumber == 2) {
            content.directory.assign(line);
        } else if (lineNumber == 3) {
            HeaderLimit header = LimitOfHeader(line);
            content.pointsLimit = std::move(header.limit);
            content.headerTail = std::move(header.tail);
            content.limitUnreadable = header.unreadable;
        } else if (lineNumber > 3) {
            ArmyUnit unit;
            if (SplitUnitLine(line, unit))
                content.units.push_back(std::move(unit));
            else
                content.error = std::string(errtext::kSubscriptOutOfRange) + kCrLf
                                + FillText(msg::kLineOfFile, {std::to_string(lineNumber)});
        }
    });
    content.lineCount = lineNumber;
    if (lineNumber < 3)
        content.error = kInputPastEnd;
    return content;
}

std::string WithArmyDirectory(std::string_view bytes, std::string_view directory)
{
    // Where the line starting at pos ends, and where the next one starts.
    const auto lineEnd = [bytes](std::size_t pos) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        std::size_t next = end;
        if (next < bytes.size()) {
            const bool crLf = bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n';
            next += crLf ? 2 : 1;
        }
        return std::pair{end, next};
    };
    const std::size_t second = lineEnd(0).second;
    if (second >= bytes.size())
        return std::string(bytes);
    const std::size_t secondEnd = lineEnd(second).first;
    std::string text(bytes.substr(0, second));
    text += directory;
    text += bytes.substr(secondEnd);
    return text;
}

} // namespace tarvello

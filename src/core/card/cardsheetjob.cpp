#include "cardsheetjob.h"

#include "cardbuild.h"
#include "cardsource.h"

#include "army/figuresummary.h"
#include "figure/figuremodel.h"
#include "platform/explaintexts.h"
#include "platform/fileio.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

namespace tarvello {

namespace {

constexpr const char *kNotFound = "file not found";

// A message as one line: its CR LF becomes ": ".
std::string OneLine(std::string text)
{
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n"))
        text.replace(at, 2, ": ");
    return text;
}

} // namespace

std::vector<CardScene> CardSheetJob::Scenes(int creditWidth, int creditHeight) const
{
    std::vector<CardScene> scenes;
    scenes.reserve(cards.size());
    for (const SheetCard &card : cards)
        scenes.push_back(card.card.Scene(creditWidth, creditHeight));
    return scenes;
}

int LineCopies(const ArmyUnit &unit, bool perUnit)
{
    if (!perUnit)
        return 1;
    const double count = RoundHalfEven(LeadingNumber(unit.Count()));
    if (!(count > 0))
        return 0;
    return static_cast<int>(std::min<double>(count, kMaxSheetCopies));
}

std::int64_t ArmySheetCards(const std::vector<ArmyUnit> &units, bool perUnit)
{
    std::int64_t cards = 0;
    for (const ArmyUnit &unit : units)
        cards += LineCopies(unit, perUnit);
    return cards;
}

Result<SheetCard> LoadSheetCard(const std::string &path, const RulesTables &tables,
                                const FontExistsFn &fontExists, const std::string &defaultFont)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return Failure{"", kNotFound, FailureKind::NotFound};
    FigureModel figure(tables);
    (void)figure.Initialize();
    for (const Failure &failure : figure.Open(path)) {
        if (failure.StoppedLoading())
            return Failure{"", failure.description, failure.kind};
    }
    const Result<clsFigure> built = BuildCardFigure(CardSourceFromEditor(figure.Record(), path),
                                                    tables);
    if (!built)
        return Failure{"", OneLine(built.failure().Message())};
    SheetCard card{UnitCardModel(defaultFont), figure.Image(), figure.PictureProblem()};
    (void)card.card.LoadFigure(built.value(), fontExists);
    return card;
}

CardSheetJob BuildArmySheetJob(const std::vector<ArmyUnit> &units, bool perUnit,
                               const std::string &folder, const RulesTables &tables,
                               const FontExistsFn &fontExists, const std::string &defaultFont)
{
    CardSheetJob job;
    const std::map<std::string, std::string> files = FigureFilesByName(folder);
    // Each file's outcome: its card's index, or why it gave none.
    std::map<std::string, Result<std::size_t>> loaded;
    for (const ArmyUnit &unit : units) {
        const int copies = LineCopies(unit, perUnit);
        if (copies == 0)
            continue;
        const std::string &name = unit.Summary(kFigureName);
        const auto file = files.find(name);
        if (file == files.end()) {
            job.skipped.push_back({name, kNotFound});
            continue;
        }
        auto outcome = loaded.find(file->second);
        if (outcome == loaded.end()) {
            Result<SheetCard> card = LoadSheetCard(file->second, tables, fontExists, defaultFont);
            Result<std::size_t> index = card ? Result<std::size_t>(job.cards.size())
                                             : Result<std::size_t>(card.failure());
            if (card && !card.value().pictureProblem.empty())
                job.withoutPicture.push_back({name, card.value().pictureProblem});
            if (card)
                job.cards.push_back(std::move(card).value());
            outcome = loaded.emplace(file->second, std::move(index)).first;
        }
        if (!outcome->second) {
            job.skipped.push_back({name, outcome->second.failure().description});
            continue;
        }
        job.order.insert(job.order.end(), static_cast<std::size_t>(copies),
                         outcome->second.value());
    }
    return job;
}

namespace {

void AppendLines(std::string &text, const std::vector<SkippedLine> &lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = FillText(msg::kLineAndReason, {lines[i].figure, lines[i].reason});
        text = i > 0 ? FillText(msg::kListOfLines, {text, line}) : line;
    }
}

} // namespace

std::string SheetPrintedMessage(int printed, const std::vector<SkippedLine> &skipped,
                                bool preview, const std::vector<SkippedLine> &withoutPicture)
{
    if (skipped.empty() && withoutPicture.empty())
        return {};
    const std::string_view done = preview ? (printed == 1 ? msg::kOneCardPreviewed : msg::kCardsPreviewed)
                                          : (printed == 1 ? msg::kOneCardPrinted : msg::kCardsPrinted);
    std::string text = FillText(done, {std::to_string(printed)});
    std::string lines;
    if (!skipped.empty()) {
        AppendLines(lines, skipped);
        text = FillText(msg::kSkippedLines, {text, std::to_string(skipped.size()), lines});
    }
    if (!withoutPicture.empty()) {
        lines.clear();
        AppendLines(lines, withoutPicture);
        text = FillText(withoutPicture.size() == 1 ? msg::kOneWithoutPicture : msg::kWithoutPictures,
                        {text, std::to_string(withoutPicture.size()), lines});
    }
    return text;
}

} // namespace tarvello

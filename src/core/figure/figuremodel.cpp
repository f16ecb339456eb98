#include "figuremodel.h"

#include "platform/messagetexts.h"
#include "figurekeys.h"

#include "costcalculation.h"
#include "figurefile.h"
#include "figurerules.h"
#include "platform/fileio.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"
#include "rules/rulestables.h"

#include <algorithm>
#include <filesystem>
#include <exception>

namespace tarvello {

namespace {

bool ValidRow(const std::vector<ListRow> &rows, int row)
{
    return row >= 0 && row < static_cast<int>(rows.size());
}

// The rows' names as a list's entries.
template<typename Rows>
std::vector<std::string> Names(const Rows &rows)
{
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const auto &row : rows)
        names.push_back(row.Name);
    return names;
}

// The training list's captions and label for a figure type.
TrainingCaptions CaptionsFor(int figureType)
{
    if (figureType == static_cast<int>(FigureType::Vehicle))
        return TrainingCaptions::Vehicle;
    if (figureType == static_cast<int>(FigureType::BattleMage))
        return TrainingCaptions::Mage;
    return TrainingCaptions::Training;
}

const std::array<const char *, 3> &CaptionTexts(TrainingCaptions captions)
{
    switch (captions) {
    case TrainingCaptions::Vehicle:
        return kVehicleCaptions;
    case TrainingCaptions::Mage:
        return kMageCaptions;
    case TrainingCaptions::Training:
        break;
    }
    return kTrainingCaptions;
}

} // namespace

FigureModel::FigureModel(const RulesTables &tables)
    : m_tables(tables)
{
}

const char *FigureModel::TrainingLabel() const
{
    return m_captions == TrainingCaptions::Vehicle ? kTargetingSystemLabel : kTrainingLevelLabel;
}

std::string FigureModel::ProposedFileName() const
{
    return tarvello::ProposedFileName(m_record.txtFigureName, DocumentKind::Figure);
}

void FigureModel::MarkChanged()
{
    if (!m_loading)
        m_changed = true;
}

Status FigureModel::Initialize()
{
    m_calcReady = false;
    m_loading = true;
    FillLists();
    m_calcReady = true;
    Status calculated = CalculateCost();
    m_loading = false;
    ResetHistory();
    return calculated;
}

void FigureModel::FillLists()
{
    m_entries.cboFigureType.assign(kFigureTypeNames.begin(), kFigureTypeNames.end());
    m_captions = TrainingCaptions::Training;
    m_entries.cboTrainingLevel.assign(kTrainingCaptions.begin(), kTrainingCaptions.end());
    m_entries.cboRace = Names(m_tables.Races);
    m_entries.cboArmorType = Names(m_tables.ArmorTypes);
    m_entries.cboMove = Names(m_tables.Moves);
    m_entries.cboCommandSkill = Names(m_tables.CommandSkills);
    // Each list starts at its first entry (none when the table is empty).
    for (const FigureField &field : FigureFields()) {
        if (field.kind == FigureFieldKind::Choice)
            Select(m_record.*field.choice, m_entries.Of(field.choice), 0);
    }
    for (FigureSeries series : kAllSeries)
        AvailableRows(m_available, series) = TableRows(m_tables, series);
}

Status FigureModel::CalculateCost()
{
    if (!m_calcReady)
        return {};
    Status calculated = tarvello::CalculateCost(m_record, m_tables);
    if (calculated)
        MarkChanged();
    return calculated;
}

Status FigureModel::Choose(Choice FigureInputs::*list, int i)
{
    Choice &choice = m_record.*list;
    const std::vector<std::string> &entries = m_entries.Of(list);
    if (i >= 0 && i < static_cast<int>(entries.size()))
        Select(choice, entries, i);
    Status calculated = CalculateCost();
    if (list == &FigureInputs::cboFigureType)
        SwitchTrainingCaptions();
    Step(FillText(msg::kStepChoose, {choice.Text()}));
    return calculated;
}

void FigureModel::SwitchTrainingCaptions()
{
    const TrainingCaptions wanted = CaptionsFor(m_record.cboFigureType.index);
    if (wanted == m_captions)
        return;
    m_captions = wanted;
    ShowCaptions();
}

// The training list's entries for the captions; the chosen position stays
// and its text becomes the caption there.
void FigureModel::ShowCaptions()
{
    const std::array<const char *, 3> &texts = CaptionTexts(m_captions);
    m_entries.cboTrainingLevel.assign(texts.begin(), texts.end());
    Choice &training = m_record.cboTrainingLevel;
    training.text = training.index >= 0 && training.index < static_cast<int>(texts.size())
                        ? texts[static_cast<std::size_t>(training.index)]
                        : "";
}

Status FigureModel::SetUseOptionalMovement(bool on)
{
    m_record.chkUseOptionalMovement = on ? 1 : 0;
    Status calculated = CalculateCost();
    Step(on ? TV_TR("Core", "Check Movement Cost") : TV_TR("Core", "Clear Movement Cost"));
    return calculated;
}

Status FigureModel::SetOptionalRangeCost(bool on)
{
    m_record.chkOptionalRangeCost = on ? 1 : 0;
    Status calculated = CalculateCost();
    Step(on ? TV_TR("Core", "Check Range Cost") : TV_TR("Core", "Clear Range Cost"));
    return calculated;
}

Status FigureModel::SetAdjustHitFactor(std::string_view text)
{
    // A lone "-" is a negative number still being typed, not a wrong one.
    const bool typing = text == kLoneMinus && !m_loading;
    m_record.txtAdjustHitFactor =
        typing || IsNumeric(text, m_tables.DecimalMark()) ? std::string(text) : "0";
    Status calculated = CalculateCost();
    Step(TV_TR("Core", "Edit Adjust Hit Factor"), "txtAdjustHitFactor");
    return calculated;
}

Status FigureModel::EndAdjustHitFactorEdit()
{
    if (m_record.txtAdjustHitFactor != kLoneMinus)
        return {};
    return SetAdjustHitFactor("0");
}

Status FigureModel::SetHitPoints(std::string_view text)
{
    m_record.txtHitPoints = LeadingNumber(text) == 0 ? "1" : std::string(text);
    Status calculated = CalculateCost();
    Step(TV_TR("Core", "Edit Hit Points"), "txtHitPoints");
    return calculated;
}

void FigureModel::SetFigureName(std::string_view text)
{
    m_record.txtFigureName = text;
    MarkChanged();
    Step(TV_TR("Core", "Edit Figure Name"), "txtFigureName");
}

void FigureModel::SetImageFile(std::string_view text)
{
    m_record.txtImageFile = text;
    MarkChanged();
    Step(TV_TR("Core", "Edit Image File"), "txtImageFile");
}

Status FigureModel::Add(FigureSeries series, int availableRow)
{
    const std::vector<ListRow> &available = AvailableRows(m_available, series);
    if (!ValidRow(available, availableRow))
        return {};
    SelectedRows(m_record, series)
        .push_back(SelectedFromAvailable(series, available[static_cast<std::size_t>(availableRow)]));
    Status calculated = CalculateCost();
    Step(FillText(msg::kStepAdd, {Cell(SelectedRows(m_record, series).back(), series, SeriesColumn::Name)}));
    return calculated;
}

Status FigureModel::Remove(FigureSeries series, int selectedRow)
{
    std::vector<ListRow> &rows = SelectedRows(m_record, series);
    if (!ValidRow(rows, selectedRow))
        return {};
    std::string name = FillText(msg::kStepRemove, {Cell(rows[static_cast<std::size_t>(selectedRow)], series,
                                                          SeriesColumn::Name)});
    rows.erase(rows.begin() + selectedRow);
    Status calculated = CalculateCost();
    Step(std::move(name));
    return calculated;
}

void FigureModel::ClickMissileRow(int row)
{
    const std::vector<ListRow> &rows = m_record.lvwMissileWeaponsSelected;
    if (ValidRow(rows, row)) {
        m_record.txtLimitedShots = Cell(rows[static_cast<std::size_t>(row)], FigureSeries::Missile,
                                        SeriesColumn::Shots);
        if (!m_loading)
            m_history.Amend(Snapshot());
    }
}

Status FigureModel::SetShots(int selectedRow, int value)
{
    value = std::clamp(value, kShotsRange.minimum, kShotsRange.maximum);
    m_record.txtLimitedShots = std::to_string(value);
    std::vector<ListRow> &rows = m_record.lvwMissileWeaponsSelected;
    if (!ValidRow(rows, selectedRow))
        return {};
    ListRow &row = rows[static_cast<std::size_t>(selectedRow)];
    const auto shots = static_cast<std::size_t>(
        Schema(FigureSeries::Missile).Index(SeriesColumn::Shots));
    if (row.size() <= shots)
        row.resize(shots + 1);
    row[shots] = m_record.txtLimitedShots;
    Status calculated = CalculateCost();
    Step(FillText(msg::kStepSetShots, {Cell(row, FigureSeries::Missile, SeriesColumn::Name)}),
         "Shots " + std::to_string(selectedRow));
    return calculated;
}

void FigureModel::SetPicture(Picture picture)
{
    m_picture = std::make_shared<const Picture>(std::move(picture));
    m_unread.reset();
    ++m_pictureRevision;
    Step(TV_TR("Core", "Change Picture"), "Picture");
}

Status FigureModel::SaveTo(const std::string &path)
{
    // Saving onto the figure's own file keeps the card's sections there;
    // any other file is replaced whole, so it inherits nothing.
    const bool ownFile = !m_fileName.empty() && path == m_fileName;
    // The calculation gave this result already while the "-" counted as 0.
    (void)EndAdjustHitFactorEdit();
    m_fileName = path;
    try {
        ProfileDocument doc;
        if (ownFile) {
            std::optional<std::string> bytes = ReadFileBytes(path);
            // A file that is there but cannot be read now would lose its
            // card layout and style: the save is refused. A file that is
            // gone has nothing to keep.
            std::error_code ec;
            if (!bytes && std::filesystem::exists(path, ec))
                return Failure{SavingSentence(path), ReadFailureDescription(path)};
            if (bytes)
                doc = ProfileDocument::FromBytes(std::move(*bytes));
        }
        const FigureFileText file = MakeFigureFileText(doc, m_record, *m_picture,
                                                       UnreadPictureText());
        if (Status written = WriteFileAtomically(path, file.text); !written)
            return written;
        if (!file.image)
            return file.image;
    } catch (const std::exception &e) {
        return Failure{SavingSentence(path), e.what(), FailureKind::CannotWrite};
    }
    m_changed = false;
    m_history.MarkSaved();
    // A figure, once in its file, is named as it would be when opened from
    // there: after every save, by the name it was saved with.
    m_caption = FillText(msg::kFigureCaption, {m_record.txtFigureName});
    return {};
}

std::vector<Failure> FigureModel::Open(const std::string &path)
{
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        m_fileName = path;
        return {ReadFailure(LoadingSentence(path), path)};
    }
    return OpenContent(path, std::move(*bytes));
}

// The Figure section's fields in control order, each with its reaction; the
// calculation's failure is told once, where it first happened.
void FigureModel::ReadFigureSection(const ProfileDocument &doc, std::vector<Failure> &notices)
{
    const auto calculated = [&notices](const Status &status) {
        if (!status && std::find(notices.begin(), notices.end(), status.failure()) == notices.end())
            notices.push_back(status.failure());
    };
    for (const FigureField &field : FigureFields()) {
        const std::string_view name = field.name;
        if (field.kind == FigureFieldKind::Check) {
            const std::string value = ReadFigureValue(doc, name, "0");
            m_record.*field.check = RoundHalfEven(LeadingNumber(value)) != 0 ? 1 : 0;
            calculated(CalculateCost());
        } else if (field.kind == FigureFieldKind::Choice) {
            const std::string value = ReadFigureValue(doc, name, "");
            const int position = m_entries.Find(field.choice, value);
            if (position < 0)
                notices.push_back(
                    {FillText(msg::kMissingItem, {value}), "",
                     FailureKind::MissingChoice});
            else
                calculated(Choose(field.choice, position));
        } else if (field.text == &FigureRecord::txtAdjustHitFactor) {
            calculated(SetAdjustHitFactor(ReadFigureValue(doc, name, "")));
        } else if (field.text == &FigureRecord::txtHitPoints) {
            calculated(SetHitPoints(ReadFigureValue(doc, name, "")));
        } else {
            m_record.*field.text = ReadFigureValue(doc, name, "");
            if (field.text == &FigureRecord::txtImageFile && !m_record.txtImageFile.empty())
                ReadStoredPicture(doc, notices);
        }
    }
}

// A picture that cannot be read is shown blank and its sections are kept as
// stored, so that saving loses nothing of it; the figure opens all the same.
void FigureModel::ReadStoredPicture(const ProfileDocument &doc, std::vector<Failure> &notices)
{
    ++m_pictureRevision;
    try {
        m_picture = std::make_shared<const Picture>(ReadPicture(doc));
        m_unread.reset();
    } catch (const std::exception &e) {
        m_picture = std::make_shared<const Picture>();
        m_unread = std::make_shared<const UnreadPicture>(
            UnreadPicture{PictureSectionsText(doc), e.what()});
        notices.push_back({FillText(msg::kUnreadablePicture, {m_fileName}),
                           e.what(), FailureKind::Other});
    }
}

std::vector<Failure> FigureModel::OpenContent(const std::string &path, std::string content)
{
    std::vector<Failure> notices;
    ProfileDocument doc = ProfileDocument::FromBytes(std::move(content));
    // Another kind of file holds no figure to fill the editor with: the
    // editor stays as it was and is not bound to that file.
    if (!doc.HasSection(figurekeys::kFigureSection))
        return {Failure{LoadingSentence(path), TV_TR("Core", "Not a figure file"), FailureKind::NotThisFormat}};
    m_loading = true;
    m_fileName = path;
    m_unread.reset();
    try {
        ReadFigureSection(doc, notices);
        for (FigureSeries series : kAllSeries) {
            std::vector<ListRow> rows = ReadSeries(doc, series);
            std::vector<ListRow> &target = SelectedRows(m_record, series);
            for (ListRow &row : rows)
                target.push_back(std::move(row));
        }
        m_caption = FillText(msg::kFigureCaption, {m_record.txtFigureName});
        if (Status calculated = CalculateCost();
            !calculated
            && std::find(notices.begin(), notices.end(), calculated.failure()) == notices.end())
            notices.push_back(calculated.failure());
        m_changed = false;
    } catch (const std::exception &e) {
        notices.push_back({LoadingSentence(path), e.what(), FailureKind::NotThisFormat});
    }
    m_loading = false;
    ResetHistory();
    return notices;
}

} // namespace tarvello

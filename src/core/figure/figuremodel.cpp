#include "figuremodel.h"

#include "costcalculation.h"
#include "figurefile.h"
#include "platform/fileio.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"
#include "rules/rulestables.h"

#include <algorithm>
#include <exception>

namespace tarvello {

namespace {

std::string IntText(std::int16_t value)
{
    return std::to_string(value);
}

bool ValidRow(const std::vector<ListRow> &rows, int row)
{
    return row >= 0 && row < static_cast<int>(rows.size());
}

void FillChoice(ChoiceList &list, std::vector<std::string> items)
{
    list.items = std::move(items);
    list.index = list.items.empty() ? -1 : 0;
}

template<typename Rows, typename Fn>
std::vector<std::string> Names(const Rows &rows, Fn name)
{
    std::vector<std::string> names;
    names.reserve(rows.size());
    for (const auto &row : rows)
        names.push_back(name(row));
    return names;
}

} // namespace

// Notifies the window once, when the outermost operation ends.
class FigureModel::Scope
{
public:
    explicit Scope(FigureModel &model)
        : m_model(model)
    {
        ++m_model.m_depth;
    }
    ~Scope()
    {
        if (--m_model.m_depth == 0)
            m_model.Notify();
    }

private:
    FigureModel &m_model;
};

FigureModel::FigureModel(const RulesTables &tables)
    : m_tables(tables)
{
}

std::string FigureModel::ProposedFileName() const
{
    return m_record.txtFigureName + ".tvf";
}

void FigureModel::Notify()
{
    ++m_revision;
    if (m_onChanged)
        m_onChanged();
}

FigureMessages FigureModel::Initialize()
{
    Scope scope(*this);
    m_calcReady = false;
    m_loading = true;
    FillLists();
    m_calcReady = true;
    FigureMessages messages = Recalculate();
    m_loading = false;
    return messages;
}

void FigureModel::FillLists()
{
    Scope scope(*this);
    FillChoice(m_record.cboFigureType, {kFigureTypeNames.begin(), kFigureTypeNames.end()});
    FillChoice(m_record.cboTrainingLevel, {kTrainingCaptions.begin(), kTrainingCaptions.end()});
    m_trainingLabel = kTrainingLevelLabel;
    m_vehicleCaptions = false;
    m_mageCaptions = false;
    FillChoice(m_record.cboRace, Names(m_tables.Races, [](const RaceRow &r) { return r.Name; }));
    FillChoice(m_record.cboArmorType,
               Names(m_tables.ArmorTypes, [](const ArmorTypeRow &r) { return r.Name; }));
    FillChoice(m_record.cboMove, Names(m_tables.Moves, [](const MoveRow &r) { return r.Name; }));
    FillChoice(m_record.cboCommandSkill,
               Names(m_tables.CommandSkills, [](const CommandSkillRow &r) { return r.Name; }));

    m_record.lvwMeleeWeapons.clear();
    for (const MeleeWeaponRow &r : m_tables.MeleeWeapons)
        m_record.lvwMeleeWeapons.push_back({r.Name, IntText(r.MaxDamage), r.Notes});
    m_record.lvwMissileWeapons.clear();
    for (const MissileWeaponRow &r : m_tables.MissileWeapons) {
        m_record.lvwMissileWeapons.push_back({r.Name, IntText(r.MaxDamage), IntText(r.AttackRadius),
                                              IntText(r.ShortRange), IntText(r.LongRange), r.Notes});
    }
    m_record.lvwExtraItems.clear();
    for (const ExtraItemRow &r : m_tables.ExtraItems) {
        m_record.lvwExtraItems.push_back({r.Name, IntText(r.Cost), IntText(r.MaxDamage),
                                          IntText(r.AttackRadius), IntText(r.ShortRange),
                                          IntText(r.LongRange), r.Notes});
    }
}

FigureMessages FigureModel::Recalculate()
{
    if (!m_calcReady)
        return {};
    std::string message = tarvello::CalculateCost(m_record, m_tables);
    if (!message.empty())
        return {std::move(message)};
    if (!m_loading)
        m_changed = true;
    return {};
}

FigureMessages FigureModel::CalculateCost()
{
    Scope scope(*this);
    return Recalculate();
}

FigureMessages FigureModel::Choose(ChoiceList FigureRecord::*list, int i)
{
    ChoiceList &choice = m_record.*list;
    if (i >= 0 && i < static_cast<int>(choice.items.size()))
        choice.index = i;
    return Recalculate();
}

FigureMessages FigureModel::ChooseFigureType(int i)
{
    Scope scope(*this);
    FigureMessages messages = Choose(&FigureRecord::cboFigureType, i);
    SwitchTrainingCaptions();
    return messages;
}

void FigureModel::SetTrainingCaptions(const char *label, const std::array<const char *, 3> &captions)
{
    m_trainingLabel = label;
    m_record.cboTrainingLevel.items.assign(captions.begin(), captions.end());
}

void FigureModel::SwitchTrainingCaptions()
{
    const int type = m_record.cboFigureType.index;
    if (type == kFigureTypeVehicle) {
        if (!m_vehicleCaptions) {
            m_vehicleCaptions = true;
            m_mageCaptions = false;
            SetTrainingCaptions(kTargetingSystemLabel, kVehicleCaptions);
        }
    } else if (type == kFigureTypeBattleMage) {
        if (!m_mageCaptions) {
            m_mageCaptions = true;
            m_vehicleCaptions = false;
            SetTrainingCaptions(kTrainingLevelLabel, kMageCaptions);
        }
    } else if (m_vehicleCaptions || m_mageCaptions) {
        SetTrainingCaptions(kTrainingLevelLabel, kTrainingCaptions);
        m_vehicleCaptions = false;
        m_mageCaptions = false;
    }
}

FigureMessages FigureModel::ChooseTrainingLevel(int i)
{
    Scope scope(*this);
    return Choose(&FigureRecord::cboTrainingLevel, i);
}

FigureMessages FigureModel::ChooseRace(int i)
{
    Scope scope(*this);
    return Choose(&FigureRecord::cboRace, i);
}

FigureMessages FigureModel::ChooseArmorType(int i)
{
    Scope scope(*this);
    return Choose(&FigureRecord::cboArmorType, i);
}

FigureMessages FigureModel::ChooseMove(int i)
{
    Scope scope(*this);
    return Choose(&FigureRecord::cboMove, i);
}

FigureMessages FigureModel::ChooseCommandSkill(int i)
{
    Scope scope(*this);
    return Choose(&FigureRecord::cboCommandSkill, i);
}

FigureMessages FigureModel::SetUseOptionalMovement(bool on)
{
    Scope scope(*this);
    m_record.chkUseOptionalMovement = on ? 1 : 0;
    return Recalculate();
}

FigureMessages FigureModel::SetOptionalRangeCost(bool on)
{
    Scope scope(*this);
    m_record.chkOptionalRangeCost = on ? 1 : 0;
    return Recalculate();
}

FigureMessages FigureModel::SetAdjustHitFactor(std::string_view text)
{
    Scope scope(*this);
    m_record.txtAdjustHitFactor = IsNumeric(text, m_tables.DecimalMark()) ? std::string(text) : "0";
    return Recalculate();
}

FigureMessages FigureModel::SetHitPoints(std::string_view text)
{
    Scope scope(*this);
    m_record.txtHitPoints = LeadingNumber(text) == 0 ? "1" : std::string(text);
    return Recalculate();
}

FigureMessages FigureModel::SetFigureName(std::string_view text)
{
    Scope scope(*this);
    m_record.txtFigureName = text;
    if (!m_loading)
        m_changed = true;
    return {};
}

FigureMessages FigureModel::SetImageFile(std::string_view text)
{
    Scope scope(*this);
    m_record.txtImageFile = text;
    if (!m_loading)
        m_changed = true;
    return {};
}

FigureMessages FigureModel::AddMeleeWeapon(int availableRow)
{
    Scope scope(*this);
    if (!ValidRow(m_record.lvwMeleeWeapons, availableRow))
        return {};
    m_record.lvwMeleeWeaponsSelected.push_back(m_record.lvwMeleeWeapons[static_cast<std::size_t>(availableRow)]);
    return Recalculate();
}

FigureMessages FigureModel::AddMissileWeapon(int availableRow)
{
    Scope scope(*this);
    if (!ValidRow(m_record.lvwMissileWeapons, availableRow))
        return {};
    ListRow row = m_record.lvwMissileWeapons[static_cast<std::size_t>(availableRow)];
    row.resize(kMissileAvailableColumns.size());
    row.insert(row.begin() + kMissileShotsColumn, "0");
    m_record.lvwMissileWeaponsSelected.push_back(std::move(row));
    return Recalculate();
}

FigureMessages FigureModel::AddExtraItem(int availableRow)
{
    Scope scope(*this);
    if (!ValidRow(m_record.lvwExtraItems, availableRow))
        return {};
    m_record.lvwExtraItemsSelected.push_back(m_record.lvwExtraItems[static_cast<std::size_t>(availableRow)]);
    return Recalculate();
}

FigureMessages FigureModel::RemoveMeleeWeapon(int selectedRow)
{
    Scope scope(*this);
    auto &rows = m_record.lvwMeleeWeaponsSelected;
    if (!ValidRow(rows, selectedRow))
        return {};
    rows.erase(rows.begin() + selectedRow);
    return Recalculate();
}

FigureMessages FigureModel::RemoveMissileWeapon(int selectedRow)
{
    Scope scope(*this);
    auto &rows = m_record.lvwMissileWeaponsSelected;
    if (!ValidRow(rows, selectedRow))
        return {};
    rows.erase(rows.begin() + selectedRow);
    return Recalculate();
}

FigureMessages FigureModel::RemoveExtraItem(int selectedRow)
{
    Scope scope(*this);
    auto &rows = m_record.lvwExtraItemsSelected;
    if (!ValidRow(rows, selectedRow))
        return {};
    rows.erase(rows.begin() + selectedRow);
    return Recalculate();
}

FigureMessages FigureModel::ClickMissileRow(int row)
{
    Scope scope(*this);
    const auto &rows = m_record.lvwMissileWeaponsSelected;
    if (!ValidRow(rows, row))
        return {};
    const ListRow &clicked = rows[static_cast<std::size_t>(row)];
    m_record.txtLimitedShots = clicked.size() > kMissileShotsColumn ? clicked[kMissileShotsColumn]
                                                                     : std::string();
    return {};
}

FigureMessages FigureModel::SetShots(int selectedRow, int value)
{
    Scope scope(*this);
    value = std::clamp(value, 0, 20);
    m_record.txtLimitedShots = std::to_string(value);
    auto &rows = m_record.lvwMissileWeaponsSelected;
    if (!ValidRow(rows, selectedRow))
        return {};
    ListRow &row = rows[static_cast<std::size_t>(selectedRow)];
    if (row.size() <= kMissileShotsColumn)
        row.resize(kMissileShotsColumn + 1);
    row[kMissileShotsColumn] = m_record.txtLimitedShots;
    return Recalculate();
}

void FigureModel::SetPicture(Picture picture)
{
    Scope scope(*this);
    m_picture = std::move(picture);
}

FigureMessages FigureModel::SaveTo(const std::string &path)
{
    Scope scope(*this);
    // Saving onto the figure's own file keeps the card's sections there;
    // any other file is replaced whole, so it inherits nothing.
    const bool ownFile = !m_fileName.empty() && path == m_fileName;
    m_fileName = path;
    try {
        ProfileDocument doc;
        if (ownFile) {
            if (std::optional<std::string> bytes = ReadFileBytes(path))
                doc = ProfileDocument::FromBytes(std::move(*bytes));
        }
        std::string imageError;
        const std::string text = FigureFileText(doc, m_record, m_picture, imageError);
        const std::string failure = WriteFileAtomically(path, text);
        if (!failure.empty())
            return {"Error in saving " + path + " !\r\n" + failure};
        if (!imageError.empty())
            return {imageError};
    } catch (const std::exception &e) {
        return {"Error in saving " + path + " !\r\n" + e.what()};
    }
    m_changed = false;
    return {};
}

FigureMessages FigureModel::Open(const std::string &path)
{
    Scope scope(*this);
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        m_fileName = path;
        return {"Error in loading " + path + " !\r\n" + ReadFailureDescription(path)};
    }
    return OpenContent(path, std::move(*bytes));
}

FigureMessages FigureModel::OpenContent(const std::string &path, std::string content)
{
    Scope scope(*this);
    FigureMessages messages;
    // The calculation runs after many of the fields; its failure is shown once.
    const auto addCalc = [&messages](FigureMessages calc) {
        for (std::string &message : calc) {
            if (std::find(messages.begin(), messages.end(), message) == messages.end())
                messages.push_back(std::move(message));
        }
    };

    m_loading = true;
    m_fileName = path;
    try {
        const ProfileDocument doc = ProfileDocument::FromBytes(std::move(content));
        for (const FigureField &field : FigureFields()) {
            const std::string_view name = field.name;
            switch (field.kind) {
            case FigureFieldKind::Text: {
                std::string value = ReadFigureValue(doc, name, "");
                if (field.text == &FigureRecord::txtAdjustHitFactor) {
                    addCalc(SetAdjustHitFactor(value));
                } else if (field.text == &FigureRecord::txtHitPoints) {
                    addCalc(SetHitPoints(value));
                } else {
                    m_record.*field.text = std::move(value);
                    if (field.text == &FigureRecord::txtImageFile && !m_record.txtImageFile.empty())
                        m_picture = ReadPicture(doc);
                }
                break;
            }
            case FigureFieldKind::Choice: {
                const std::string value = ReadFigureValue(doc, name, "");
                const int position = (m_record.*field.choice).Find(value);
                if (position < 0) {
                    messages.push_back("The item " + value
                                       + " does not exist in current resourcefiles!");
                } else if (field.choice == &FigureRecord::cboFigureType) {
                    addCalc(ChooseFigureType(position));
                } else {
                    addCalc(Choose(field.choice, position));
                }
                break;
            }
            case FigureFieldKind::Check: {
                const std::string value = ReadFigureValue(doc, name, "0");
                m_record.*field.check = RoundHalfEven(LeadingNumber(value)) != 0 ? 1 : 0;
                addCalc(Recalculate());
                break;
            }
            }
        }
        for (FigureSeries series : {FigureSeries::Melee, FigureSeries::Missile,
                                    FigureSeries::ExtraItem}) {
            std::vector<ListRow> rows = ReadSeries(doc, series);
            std::vector<ListRow> &target = SeriesRows(m_record, series);
            for (ListRow &row : rows)
                target.push_back(std::move(row));
        }
        m_caption = "Figure: " + m_record.txtFigureName;
        addCalc(Recalculate());
        m_changed = false;
    } catch (const std::exception &e) {
        messages.push_back("Error in loading " + path + " !\r\n" + e.what());
    }
    m_loading = false;
    return messages;
}

} // namespace tarvello

#pragma once

#include "rulestables.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Reading the eleven rules table files (.skv) of the program folder.
namespace tarvello {

// Receives the text of one failure message box (sentence, CR LF, description);
// the caller shows it with an OK button and the application's name as title.
using TableMessageSink = std::function<void(const std::string &text)>;

// The file names of the eleven tables, fixed and in loading order.
inline constexpr const char *kArmorTypesFile = "armortypes.skv";
inline constexpr const char *kRacesFile = "races.skv";
inline constexpr const char *kDefenseFactorFile = "defensefactor.skv";
inline constexpr const char *kMoveFile = "move.skv";
inline constexpr const char *kMeleeWeaponsFile = "meleeweapons.skv";
inline constexpr const char *kMissileWeaponsFile = "missileweapons.skv";
inline constexpr const char *kExtraItemsFile = "extraitems.skv";
inline constexpr const char *kCommandSkillFile = "commandskill.skv";
inline constexpr const char *kGreenAttackRollFile = "greenattackroll.skv";
inline constexpr const char *kLineAttackRollFile = "lineattackroll.skv";
inline constexpr const char *kEliteAttackRollFile = "eliteattackroll.skv";

// Each reader replaces its table from programFolder/<file>. On a failure it
// stops, keeps the rows read so far (the row being filled included) and
// returns the message text; std::nullopt on success.
std::optional<std::string> ReadArmorTypes(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadRaces(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadDefenseFactors(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadMoves(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadMeleeWeapons(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadMissileWeapons(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadExtraItems(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadCommandSkills(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadGreenAttackRolls(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadLineAttackRolls(RulesTables &tables, const std::string &programFolder);
std::optional<std::string> ReadEliteAttackRolls(RulesTables &tables, const std::string &programFolder);

// Sets tables.DecimalSeparator to decimalSeparator, then runs the eleven
// readers in order; each failure goes to report and the next reader goes on.
void LoadAllTables(RulesTables &tables, const std::string &programFolder,
                   const std::string &decimalSeparator, const TableMessageSink &report);

// The eleven tables, in loading order.
enum class TableId {
    ArmorTypes, Races, DefenseFactors, Moves, MeleeWeapons, MissileWeapons,
    ExtraItems, CommandSkills, GreenAttackRolls, LineAttackRolls, EliteAttackRolls
};

// Reads one table from the bytes of its file (header line first), with the
// same semantics and message as its reader; the readers and the fuzzer use it.
std::optional<std::string> ReadTableText(TableId table, RulesTables &tables, std::string_view content);

} // namespace tarvello

#include "shell/commandrouting.h"

#include <gtest/gtest.h>

namespace tarvello {
namespace {

struct RouteCase
{
    const char *form;
    bool save, saveAs, print, exportIt;
    std::optional<bool> menuState;
};

class CommandRouting : public testing::TestWithParam<RouteCase>
{};

TEST_P(CommandRouting, ForwardsByFormName)
{
    const RouteCase &c = GetParam();
    EXPECT_EQ(ChildReceives(c.form, FileCommand::Save), c.save);
    EXPECT_EQ(ChildReceives(c.form, FileCommand::SaveAs), c.saveAs);
    EXPECT_EQ(ChildReceives(c.form, FileCommand::PrintIt), c.print);
    EXPECT_EQ(ChildReceives(c.form, FileCommand::Export), c.exportIt);
    EXPECT_EQ(SaveAsAndExportEnabled(c.form), c.menuState);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CommandRouting,
    testing::Values(RouteCase{"frmFigure", true, true, true, true, true},
                    RouteCase{"frmArmy", true, true, true, true, true},
                    RouteCase{"frmUnitCard", true, false, true, false, false},
                    RouteCase{"frmEdit_Table", true, false, true, false, false},
                    RouteCase{"frmReadme", false, false, false, false, std::nullopt},
                    RouteCase{"frmfigure", false, false, false, false, std::nullopt}));

} // namespace
} // namespace tarvello

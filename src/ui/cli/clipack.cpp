// --pack and --unpack: an army pack made and opened without a window.

#include "commandlinerun.h"

#include "pack/armypack.h"
#include "platform/cp1252.h"

namespace tarvello {

void runPack(CliRun &run)
{
    const std::string &army = run.request.operands.front();
    std::vector<std::string> missing;
    const Status packed = PackArmy(army, run.request.output, &missing);
    if (!packed) {
        run.fail(packed.failure());
        return;
    }
    // The window asks whether to pack without them; here they are packed
    // without and each is named.
    for (const std::string &name : missing)
        run.note(MessageLine({"Figure not found, packed without it", Cp1252ToUtf8(name) + " of " + army}));
}

void runUnpack(CliRun &run)
{
    std::string armyPath;
    const Status unpacked = UnpackArmy(run.request.operands[0], run.request.operands[1], &armyPath);
    if (!unpacked) {
        run.fail(unpacked.failure());
        return;
    }
    writeOut(armyPath + "\n");
}

} // namespace tarvello

#include "app/shell/CCommandTable.h"
#include <cstddef>

namespace {
using C = CommandId;

const CommandInfo kCommands[] = {
#define DAUBRIX_COMMAND(id, ...) {C::id, __VA_ARGS__},
#include "app/shell/CommandList.def"
#undef DAUBRIX_COMMAND
};
} // namespace

const CommandInfo& CCommandTable::Info(CommandId id)
{
    return kCommands[static_cast<std::size_t>(id)];
}

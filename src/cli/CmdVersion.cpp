#include "cli/Commands.h"
#include "platform/Version.h"

namespace kestrel::cli {

// kestrel-cli version: prints "Kestrel <version>".
int CmdVersion(const CommandContext& context) {
    if (!context.args.isEmpty()) {
        return UsageError("version");
    }
    PrintOut(QStringLiteral("Kestrel ") + VersionText() + "\n");
    return 0;
}

} // namespace kestrel::cli

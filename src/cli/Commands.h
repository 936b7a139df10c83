#pragma once

#include <QStringList>

#include "platform/ProgramPaths.h"

namespace kestrel::cli {

// What every command receives: the installation root and its own arguments (after the command
// word). Each returns the exit status: 0 success, 1 failure, 2 usage error.
struct CommandContext {
    ProgramPaths paths;
    QStringList args;
};

using CommandFunction = int (*)(const CommandContext&);

// One line per command, as shown by --help.
struct CommandEntry {
    const char* name;
    const char* usage;
    CommandFunction run;
};

// Commands, one file each (CmdXxx.cpp).
int CmdVersion(const CommandContext& context);
int CmdShow(const CommandContext& context);
int CmdTousen(const CommandContext& context);
int CmdGrade(const CommandContext& context);
int CmdSearch(const CommandContext& context);
int CmdBatch(const CommandContext& context);
int CmdCsv2Tpd(const CommandContext& context);
int CmdTpd2Csv(const CommandContext& context);
int CmdCompress(const CommandContext& context);
int CmdFetch(const CommandContext& context);
int CmdUpdateTeams(const CommandContext& context);
int CmdPrint(const CommandContext& context);
int CmdEv(const CommandContext& context);
int CmdWatch(const CommandContext& context);

// Helpers shared by the commands.
void PrintOut(const QString& text); // stdout, UTF-8, as given
void PrintErr(const QString& text); // stderr, UTF-8, with a line end
int UsageError(const char* usage);  // prints "usage: kestrel-cli <usage>" to stderr, returns 2

} // namespace kestrel::cli

#include <cstdio>

#include "cli/Commands.h"

namespace kestrel::cli {

void PrintOut(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

void PrintErr(const QString& text) {
    std::fputs((text + "\n").toUtf8().constData(), stderr);
}

int UsageError(const char* usage) {
    std::fprintf(stderr, "usage: kestrel-cli %s\n", usage);
    return 2;
}

} // namespace kestrel::cli

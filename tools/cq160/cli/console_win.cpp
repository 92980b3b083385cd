#include "tools/cq160/cli/console.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

void SetBinaryConsole() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

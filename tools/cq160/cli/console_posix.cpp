#include "tools/cq160/cli/console.h"

void SetBinaryConsole() {}

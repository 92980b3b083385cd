#include "tools/cq160/host_operator.h"

// Without a desktop the module answers its own dialogs.
struct OperatorStandIn::State {};

OperatorStandIn::OperatorStandIn() = default;
OperatorStandIn::~OperatorStandIn() = default;
void OperatorStandIn::Start() {}
void OperatorStandIn::Stop() {}

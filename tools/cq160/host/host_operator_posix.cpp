#include "tools/cq160/host/host_operator.h"

#include <utility>

// The module has no desktop: its header dialog asks this stand-in, through
// the module's hook, for the text of each control.
struct OperatorStandIn::State {
    const ModuleApi& api;
    std::vector<DialogEdit> edits;
    bool running = false;
};

namespace {

const char* Answer(void* context, int controlId, const char*) {
    for (const DialogEdit& edit : *static_cast<const std::vector<DialogEdit>*>(context)) {
        if (edit.controlId == controlId) return edit.text.c_str();
    }
    return nullptr;
}

}  // namespace

OperatorStandIn::OperatorStandIn(const ModuleApi& api, std::vector<DialogEdit> headerEdits)
    : state_(new State{api, std::move(headerEdits)}) {}

OperatorStandIn::~OperatorStandIn() { Stop(); }

void OperatorStandIn::Start() {
    if (state_->running || !state_->api.setDialogOperator) return;
    state_->api.setDialogOperator(Answer, &state_->edits);
    state_->running = true;
}

void OperatorStandIn::Stop() {
    if (!state_->running) return;
    state_->api.setDialogOperator(nullptr, nullptr);
    state_->running = false;
}

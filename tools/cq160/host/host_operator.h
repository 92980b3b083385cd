// Stands in for the operator at the module's modal windows while cq160
// drives it: the Cabrillo header dialog gets the edits given (the text of
// each control named, a combo box's edit field for a combo box) and is
// answered with OK, and a message box is answered with OK after its text
// went to standard error as "<caption>: <text>", which is what the module
// itself does where there is no desktop; the module's operator windows are
// left alone. On Windows a thread watches this process's dialog windows;
// elsewhere the module shows no window, and the
// edits reach its header dialog through the module's own hook
// (cabrillo_dialog_posix.h) while the stand-in runs.
#ifndef CQ160_HOST_OPERATOR_H_
#define CQ160_HOST_OPERATOR_H_

#include <memory>
#include <vector>

#include "tools/cq160/host/host_folder.h"
#include "tools/cq160/host/module_loader.h"

class OperatorStandIn {
public:
    // api must outlive the stand-in.
    OperatorStandIn(const ModuleApi& api, std::vector<DialogEdit> headerEdits);
    ~OperatorStandIn();  // stops the watcher
    OperatorStandIn(const OperatorStandIn&) = delete;
    OperatorStandIn& operator=(const OperatorStandIn&) = delete;

    // Starts answering; returns at once.
    void Start();
    // Stops answering and waits for the watcher to end.
    void Stop();

private:
    struct State;
    std::unique_ptr<State> state_;
};

#endif  // CQ160_HOST_OPERATOR_H_

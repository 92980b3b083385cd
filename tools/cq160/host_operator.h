// Stands in for the operator at the module's modal windows while cq160
// drives it: the Cabrillo header dialog is answered with OK, and a message
// box is answered with OK after its text went to standard error as
// "<caption>: <text>", which is what the module itself does where there is
// no desktop. On Windows a thread watches this process's dialog windows;
// elsewhere the module shows no window and there is nothing to do.
#ifndef CQ160_HOST_OPERATOR_H_
#define CQ160_HOST_OPERATOR_H_

#include <memory>

class OperatorStandIn {
public:
    OperatorStandIn();
    ~OperatorStandIn();  // stops the watcher
    OperatorStandIn(const OperatorStandIn&) = delete;
    OperatorStandIn& operator=(const OperatorStandIn&) = delete;

    // Starts watching; returns at once.
    void Start();
    // Stops watching and waits for the watcher to end.
    void Stop();

private:
    struct State;
    std::unique_ptr<State> state_;
};

#endif  // CQ160_HOST_OPERATOR_H_

// How a cq160 command ends: a complaint with the status for "nothing
// done", and the files the operator asked for, whose failure is status 3.
#ifndef CQ160_COMMAND_STATUS_H_
#define CQ160_COMMAND_STATUS_H_

#include <string>

// Says "cq160: message" on standard error; returns 2, nothing done.
int Fail(const std::string& message);

// The exit status for "done, but an output file asked for could not be
// written" (the results are still on standard output).
constexpr int kNotWritten = 3;

// Writes a file the operator asked for; on failure says so and makes the
// run's status kNotWritten.
bool WriteAsked(const std::string& path, const std::string& shown, const std::string& text,
                int* status);

#endif  // CQ160_COMMAND_STATUS_H_

// Where there is no desktop (libStats.so) the Cabrillo header dialog cannot
// be shown; a program that stands in for the operator (cq160) may answer it
// through this hook instead, as an operator would: it is told what each
// control shows at opening and may enter other text before OK. This is not
// one of the host's entry points and Stats.dll has no such export.
#ifndef STATS_CABRILLO_CABRILLO_DIALOG_POSIX_H_
#define STATS_CABRILLO_CABRILLO_DIALOG_POSIX_H_

#if defined(_WIN32)
#define STATS_POSIX_EXPORT
#else
#define STATS_POSIX_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// Called once per control of the dialog, in creation order, with its id
// (IDC_CABRILLO_*) and the text it shows. Returns the text the operator
// enters instead, or null to leave the control as it is. The returned text
// must stay valid until the next call.
typedef const char* (*CabrilloDialogAnswer)(void* context, int controlId, const char* shown);

// Sets the operator who answers the dialog from now on (host thread, not
// while an export runs); a null answer restores the default, OK without
// edits. Every dialog is closed with OK.
STATS_POSIX_EXPORT void SetCabrilloDialogOperator(CabrilloDialogAnswer answer, void* context);

}  // extern "C"

#endif  // STATS_CABRILLO_CABRILLO_DIALOG_POSIX_H_

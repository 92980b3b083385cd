// Clang's thread-safety attributes, to nothing on other compilers. A field
// marked GUARDED_BY(mu) may be read or written only while mu is held; a
// function marked REQUIRES(mu) is called with it held, EXCLUDES(mu) without.
// The build with clang's -Wthread-safety (preset "thread-safety") turns every
// access that breaks these into a compile error.
#ifndef STATS_PLATFORM_THREAD_ANNOTATIONS_H_
#define STATS_PLATFORM_THREAD_ANNOTATIONS_H_

#if defined(__clang__)
#define STATS_THREAD_ATTRIBUTE(x) __attribute__((x))
#else
#define STATS_THREAD_ATTRIBUTE(x)
#endif

#define CAPABILITY(x) STATS_THREAD_ATTRIBUTE(capability(x))
#define SCOPED_CAPABILITY STATS_THREAD_ATTRIBUTE(scoped_lockable)
#define GUARDED_BY(x) STATS_THREAD_ATTRIBUTE(guarded_by(x))
#define PT_GUARDED_BY(x) STATS_THREAD_ATTRIBUTE(pt_guarded_by(x))
#define REQUIRES(...) STATS_THREAD_ATTRIBUTE(requires_capability(__VA_ARGS__))
#define ACQUIRE(...) STATS_THREAD_ATTRIBUTE(acquire_capability(__VA_ARGS__))
#define RELEASE(...) STATS_THREAD_ATTRIBUTE(release_capability(__VA_ARGS__))
#define EXCLUDES(...) STATS_THREAD_ATTRIBUTE(locks_excluded(__VA_ARGS__))
#define RETURN_CAPABILITY(x) STATS_THREAD_ATTRIBUTE(lock_returned(x))
#define NO_THREAD_SAFETY_ANALYSIS STATS_THREAD_ATTRIBUTE(no_thread_safety_analysis)

#endif  // STATS_PLATFORM_THREAD_ANNOTATIONS_H_

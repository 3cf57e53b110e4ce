// Start-up measurement shared by the start-up programs: from the start of
// the process to the first paint of the top-level window, and the peak
// resident memory once that frame is done.
//
// The launcher may pass its wall-clock time just before starting the
// program in TAVREL_BENCH_LAUNCHED ("seconds.microseconds", as bash's
// EPOCHREALTIME gives it); the time then includes loading the program and
// its libraries. Without it, the start time of the process from
// /proc/self/stat is used, which is only as fine as a clock tick.
#pragma once

class QWidget;

namespace tavrel::bench
{

// Call first thing in main(): notes the end of the part before main().
void markMainEntered();

// Watches `window` (before it is shown) for its first paint. Once that
// frame is done, prints "<ms> <peak RSS KiB>" on standard output, where ms
// is the time from the start of the process to the paint, prints the
// details on standard error, and ends the event loop. Ends the process
// with status 1 when no paint comes within 10 s.
void reportFirstPaint(QWidget *window);

} // namespace tavrel::bench

#pragma once
// The one way the program waits: the interface stays alive (events are
// processed) and the time is measured on a monotonic clock, so a wait
// across midnight or a clock change ends on time.
#include <functional>

// Wait the given seconds; 0 or less returns at once without processing events.
void Attesa(double secondi);

// Process events until the condition holds or the time runs out; returns the
// condition's last value. The condition is tested after every event batch,
// so a receive handler that sets a flag ends the wait at once.
bool AttendiFinche(const std::function<bool()>& condizione, int millisecondi);

// The application is closing: every wait, running or to come, returns at
// once, so the loops waiting inside event handlers unwind and the process
// ends with its window instead of after their last pass.
void InterrompiAttese();

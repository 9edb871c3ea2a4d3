#pragma once
// Waiting in a test for what it needs: a condition asked again and again up to a time limit, never a
// fixed pause that is too short on a loaded machine and wasted on an idle one.
#include <functional>

// Asks bedingung until it holds or ms milliseconds have passed, running the thread's events in between
// (timers, windows and processes of the test); true when it held. abstand is the pause between two
// questions: a condition that asks another program (xdotool, a file it writes) asks it less often.
bool WartenBis(const std::function<bool()>& bedingung, int ms, int abstand = 10);

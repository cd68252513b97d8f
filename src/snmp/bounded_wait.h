// The one way the program waits for asynchronous SNMP work from inside a handler: the event loop
// runs socket, timer and posted events, user input is swallowed, and one time limit ends the wait.
#pragma once

#include <chrono>
#include <functional>

// Runs the event loop until done() holds or limit has passed, without spinning: it sleeps until
// the next event. Mouse, keyboard and touch input that arrives meanwhile is dropped, so that no
// click reaches a window that is being closed or is between two reads. (A close request is
// not input: Qt delivers the program's own close() the same way.) True when done() held in
// time.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

// One pass over the events already pending, user input dropped as above; a synchronous read
// runs it between rows so that the window stays painted.
void LetPendingEventsRun();

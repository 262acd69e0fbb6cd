#pragma once

#include <chrono>

// How long the supervisor waits before it starts a program that ended, given the wait it used
// last time (zero before the first) and how long the program ran: one second, doubled for each
// quick end in a row up to ten, and one second again after a run of ten seconds or more.
std::chrono::seconds nextRestartDelay(std::chrono::seconds previousDelay,
                                      std::chrono::milliseconds ran);

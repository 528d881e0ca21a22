#pragma once
// The seconds that LOGOUT, LOCK, OPEN and "Recover=" wait for other stations, in
// milliseconds. A second is a real one; tests shorten it so that a wait that has to run out
// takes a moment, while the program's waits keep their number of seconds.

namespace rt {

void setWaitSecondLength(int milliseconds);  // 1000 gives real seconds again
int waitMilliseconds(int seconds);           // negative seconds wait nothing

}  // namespace rt

// Built only by its ctest, which passes when the compiler refuses the include below: the world
// holds data and must not reach the code that turns it into control lines.
#include "wire/ControlWriter.h"
#include "world/World.h"

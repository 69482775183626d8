#pragma once

// Every picture passes through buffers of several MiB that live for one
// load: they come from and go back to the system at once, instead of
// raising the heap for good. Called first thing by every program that runs
// the game (the game itself, the soak).
void ReturnLoadBuffersToTheSystem();

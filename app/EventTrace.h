#pragma once

class CModel;

// What a scripted run of the real game waits for, instead of a clock. With
// ZELK_TRACE naming a file, the game appends to it one line a tick and one
// for each input it handled, each save and each change of what the learner
// sees, every line starting with the tick's number:
//
//   412 move 640 360            the pointer moved (told before it is handled)
//   412 up 640 360              the button released
//   413 screen=game game=1_1 phase=play step=2 paused=0 panel=none voice=1 dialog=none
//   413 tick 0                  the tick's end; 0: its frame was drawn
//   414 tick 1                  ...the same frame for 1 tick now
//   520 saved                   a profile written to disk
//
// A drawn frame is on the X server before its tick's line is written, so a
// screenshot taken after the line shows it. Without ZELK_TRACE nothing is
// written and nothing is asked of the game.
namespace EventTrace {

// Opens the file ZELK_TRACE names, if any (appending).
void Open();
bool On();
// An input about to be handled: "move", "down" or "up" at a point. Told
// first, as a click may open a dialog with a loop of its own: every line
// after it comes after its handling.
void Pointer(const char* what, int x, int y);
// A key about to be handled: "key" (freeglut's code), "typed" (a byte of what
// the input method composed) or "special".
void Key(const char* what, int key);
// A profile save that reached the disk, or one that failed.
void Saved(bool ok);
// The tick's end: the state line when it changed, then the tick line.
void EndOfTick(const CModel* model, bool drawn);

}  // namespace EventTrace

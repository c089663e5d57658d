// Program start and end: the start code of the framework's units, then of
// the program's own, in a fixed order, and their end code in the reverse
// order.
//
// The framework's units: forms (makes the screen, mouse and application
// objects, in that order; its end code frees the application first, which
// frees every form and data module it owns, then the mouse and the
// screen); JPEG (registers TJPEGImage as a picture format for "jpeg" and
// "jpg"; its end code unregisters it). The graphics registry and the
// controls need no start code.
//
// The program's units are registered by the main routine in the order it
// lists them, before InitFramework (they are started after the
// framework's) or after it (started at once). A start that throws leaves
// the units before it started and the rest unstarted; the exception
// reaches the caller, whose DoneFramework still ends the started ones.
// DoneFramework runs the end code of every started unit, each once, in
// reverse order of starting, and forgets the program's units.
#pragma once

// Null Start or End: nothing to run for that step.
void RegisterUnit(const char* Name, void (*Start)(), void (*End)());
void InitFramework();
void DoneFramework();
// Whether InitFramework has run and DoneFramework has not.
bool FrameworkRunning();

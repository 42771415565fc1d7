// Marks of the start's steps, to measure where its time goes. Each mark
// goes to the debugger's output ("pelmo: <step>"), where Wine shows it with
// its own timestamps beside the libraries it loads:
//   PELMO_TRACE=1 WINEDEBUG=+timestamp,+loaddll,+debugstr wine pelmo.exe
// Without PELMO_TRACE in the environment a mark costs one test of a flag.
#pragma once

void TraceStep(const char* step);

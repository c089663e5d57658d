// The whole run of the ruler, as the executable and the automation tool
// start it: the units' start code, the main routine (start-up, the message
// loop until the control window closes), and the units' end code. The
// desktop must be installed before the call; the call returns the
// program's exit code.
#pragma once

int RunTavrel();

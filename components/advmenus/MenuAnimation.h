// The desktop's menu animation is switched off while the program runs, so
// that styled menu windows appear at once, framed and clipped, instead of
// unfolding; the previous setting is put back at exit. The setting is the
// whole desktop's, so every way out restores it: the unit's end code on a
// normal exit, and RestoreMenuAnimationOnSignal for SIGINT and SIGTERM.
#pragma once

void DisableMenuAnimation();
// Puts back what DisableMenuAnimation found; does nothing when the
// setting was not switched off, so it runs at most once per switch.
void RestoreMenuAnimation();
// Registers the Advmenus unit: DisableMenuAnimation at start,
// RestoreMenuAnimation at end.
void RegisterAdvmenusUnit();
// SIGINT and SIGTERM restore the setting before the program ends by the
// signal as it would have without the handler.
void RestoreMenuAnimationOnSignal();

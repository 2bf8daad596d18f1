#pragma once

// Registers the dialogs' pictures and the help file compiled into the program. The
// resources sit in a static library, from which the linker takes only what is referenced;
// calling this makes sure they are part of every program that shows the dialogs.
void InitDialogResources();

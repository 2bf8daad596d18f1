#pragma once
// Opening the display. Without one, Qt would abort with a page of diagnostics and a core
// dump; the program says so in one line on stderr and exits with 1 instead.

#include "platform/TApplication.h"

#include <memory>

// Creates the application object, which connects to the display. Qt's messages meanwhile
// are held back and passed on afterwards; if the display cannot be opened, the one line is
// printed and the process ends with 1.
std::unique_ptr<TApplication> OpenApplication(int& argc, char** argv);

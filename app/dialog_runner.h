#pragma once

#include <functional>

class QDialog;

// Runs a modal dialog to its end. The program runs its dialogs through one of these, so
// that tests can put in a runner that looks at the dialog and returns instead of waiting
// for a user.
using DialogRunner = std::function<void(QDialog&)>;

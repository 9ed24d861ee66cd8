#pragma once

// What the window benches share: the program's application and main window,
// off screen unless told otherwise.

#include "principale/fenetre_principale.h"

#include <functional>

// Runs `mesurer` on a new main window, not yet shown; its result is the exit code.
int sur_la_fenetre(int argc, char* argv[], const std::function<int(FenetrePrincipale&)>& mesurer);

// Shows the window and fills the hypothesis table's boxes for its largest
// table: years 2 to 240, rates 1 % to 25 %. False if the window never showed.
bool preparer_plus_grand_tableau(FenetrePrincipale& fenetre);

// The median, in milliseconds, of 41 calls of `frappe(i)` for i = 0 ... 40,
// each a keystroke and all it takes until the window is painted.
double mediane_des_frappes(const std::function<void(int)>& frappe);

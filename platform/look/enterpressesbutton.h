#pragma once

class QApplication;

// On the system the forms were made for, a focused command button is pressed by Enter as well
// as by Space. Qt's buttons outside a dialog take Space only; this teaches every push button of
// the program Enter too. Enter anywhere else (a text box, a list) still does nothing, and no
// button becomes a window's default by it.
//
// A button is pressed by a key that went down and came up again while it had the focus: Enter,
// like Space, clicks when it is released, and a key held down presses nothing more, whether or
// not the system marks its repeats as such. So a key held across a change of page never
// presses a button of the new page.
void letEnterPressFocusedButtons(QApplication &app);

#pragma once

class QApplication;

// On the system the forms were made for, a focused command button is pressed by Enter as well
// as by Space. Qt's buttons outside a dialog take Space only; this teaches every push button of
// the program Enter too. Enter anywhere else (a text box, a list) still does nothing, and no
// button becomes a window's default by it.
void letEnterPressFocusedButtons(QApplication &app);

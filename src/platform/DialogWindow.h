#pragma once

class QWidget;

// Makes window a dialog window of the program: framed and placed as a dialog by the desktop, and
// read as a dialog by a screen reader (a plain widget window reads as a filler).
void makeDialogWindow(QWidget& window);

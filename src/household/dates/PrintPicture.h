#pragma once

#include <QIcon>

// The side-toolbar picture of the print commands: a printer with a sheet, drawn when asked for.
QIcon printPicture();

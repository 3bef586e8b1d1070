#pragma once

#include <QString>

// Whether the program's saves replace a file of this name in the program folder (any case, as the
// folder finds names): the names whose cut-short saves start-up clears away.
bool isSavedFile(const QString& name);

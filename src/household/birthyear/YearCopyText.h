#pragma once

#include <QString>

// The text that Copy puts on the clipboard for a year: a heading line, the serious side under its
// heading, an empty line, the lighter side under its heading; every line ends with CR LF, and a
// line break inside a text becomes CR LF too.
QString yearCopyText(int year, const QString& serious, const QString& lighter);

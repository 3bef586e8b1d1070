#pragma once

#include <QString>

namespace DisplayText {

// Texts are kept with their lines joined by a single carriage return (code 13); on screen each
// becomes a line break.
inline QString lines(QString text) {
    return text.replace(QChar('\r'), QChar('\n'));
}

} // namespace DisplayText

#include "TypedKey.h"

#include <QKeyEvent>

int typedCharacterCode(const QKeyEvent& key) {
    if (key.text().isEmpty()) {
        return 0;
    }
    const int code = key.text().at(0).unicode();
    return code == 8 || code == 13 || (code >= 32 && code != 127) ? code : 0;
}

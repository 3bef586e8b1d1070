#pragma once

#include "Panel3D.h"
#include "Twips.h"

// Building a window's controls where its design puts them: in twips, relative to the container.
namespace Design {

inline Panel3D* panel(QWidget* parent, int left, int top, int width, int height,
                      const QString& caption = {}) {
    return Twips::place(new Panel3D(parent, caption), left, top, width, height);
}

} // namespace Design

#pragma once

#include "Platform.h"
#include "ProgramState.h"
#include "WindowCatalog.h"

class QWidget;

// The one object every window receives: the platform seams and the standard module.
struct Services : Platform {
    explicit Services(const Platform& platform) : Platform(platform), program(*this) {}
    Services(const Services&) = delete;
    Services& operator=(const Services&) = delete;

    ProgramState program;
    WindowCatalog windows;
    // Every other window places itself over the main window.
    QWidget* mainWindow = nullptr;
};

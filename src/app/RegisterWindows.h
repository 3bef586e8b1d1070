#pragma once

class WindowCatalog;

// Every window the toolbar buttons open, by button number.
void registerWindows(WindowCatalog& windows);

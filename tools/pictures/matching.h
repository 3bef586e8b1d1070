#pragma once

class QDir;

// Draws the matching game's card pictures and match picture beside its window; false when a
// file could not be written.
bool makeMatchingPictures(const QDir& root);

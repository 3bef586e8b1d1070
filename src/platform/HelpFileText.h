#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Korvane.hlp is a file of the user's folder, so it is read as untrusted input before any of it
// reaches the help viewer: its size, the number of its tags and how deeply they nest are bounded
// (the shipped file is about 30 KB, with some 700 tags at most 6 deep), and only the markup the
// help format uses is passed on. A tag the format does not use is shown as text; an attribute it
// does not use is dropped.
namespace HelpFileText {

inline constexpr qint64 kMaxBytes = 2 * 1024 * 1024;
inline constexpr int kMaxTags = 20000;
inline constexpr int kMaxDepth = 32;

// The file's text ready for the viewer, or nothing when it is over a limit.
std::optional<QString> prepare(const QByteArray& bytes);

// The text of the file at path, as prepare() gives it; nothing also when it cannot be read.
std::optional<QString> read(const QString& path);

} // namespace HelpFileText

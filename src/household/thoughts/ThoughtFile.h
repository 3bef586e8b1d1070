#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The two thought files: Thought1.Fil holds one field per general thought, Thought2.Fil a thought
// and its punch line per humorous entry. Every "*" of a field is a line break, kept as a carriage
// return (code 13).
namespace ThoughtFile {

enum class Form { General, Humorous };

constexpr const char* kGeneralFile = "Thought1.Fil";
constexpr const char* kHumorousFile = "Thought2.Fil";
// The tables' room; entries past it are not read.
constexpr int kMostGeneral = 215;
constexpr int kMostHumorous = 100;

struct Entries {
    QStringList thoughts;
    QStringList punchLines; // humorous only, one per thought; empty for a missing last field
};

// The entries of a file's bytes; nothing when it holds no entry or a quote that is never closed.
std::optional<Entries> read(const QByteArray& bytes, Form form);
// The same for a file; nothing also when it is missing or cannot be read.
std::optional<Entries> readFile(const QString& path, Form form);

} // namespace ThoughtFile

#pragma once

#include <QByteArray>
#include <QString>

// The settings and data files keep their texts as 8-bit Windows-1252 characters.
namespace Cp1252 {

QString decode(const QByteArray& bytes);

// Characters that Windows-1252 cannot hold are written as '?'.
QByteArray encode(const QString& text);

// Whether every character of text has a Windows-1252 code, so that it is stored unchanged.
bool canHold(const QString& text);

} // namespace Cp1252

#pragma once

#include <QByteArray>
#include <QList>

#include <utility>

// Reads a file of one quoted field to a line (a double quote, a text without quotes or control
// characters, a double quote, CR LF) and finds its fields again where it is damaged.
//
// A field's text holds no control character, so the bytes below 0x20 between two texts are
// always a line end, whatever they became: a line end turned into another control character or
// into a lone CR still ends one field and starts the next, and a control character between two
// parts of one quoted text (a tab, one zero byte) joins them again. Only zero bytes written over
// the file in place can hide whole lines, and only as many as their length can have held (a line
// takes at least three bytes). Where that leaves the number of lines open, a file always written
// with the same number of lines tells how many the zeros can have hidden at most; the lines after
// them are then placed as if the zeros hid all of those, and, because a file may also have lost
// its last lines, every line whose field depends on that is told as unsure.
namespace FieldLines {

struct Read {
    // The fields at the numbers of the lines they are placed on (index = line - 1), at most the
    // number of lines asked to keep: what stands between the quotes, less quotes and control
    // characters; a line that nothing was read of is empty.
    QList<QByteArray> fields;
    // The lines the file is taken to have: those read, and those taken as hidden under zeros.
    qsizetype count = 0;
    // Every line a whole field ended by CR LF, the last one too: a file as it is written.
    bool asWritten = true;
    // The first damaged line (0 for none), and whether a control character or else its quotes
    // make it so; zero bytes that hid line ends are told apart, in zeroLines.
    qsizetype firstBroken = 0;
    bool brokenByControl = false;
    // The lines overwritten with zero bytes, first and last, for every run that can have hidden
    // a line end.
    QList<std::pair<qsizetype, qsizetype>> zeroLines;
    // The lines, in order, that may show a field of another line or miss their own, because
    // the number of lines hidden before them is not known.
    QList<qsizetype> unsureLines;
};

// linesWritten: the number of lines the format always writes (0 when it varies, as for a list
// of names: lines hidden under zeros are then not counted). keep: the lines whose fields are
// kept.
Read read(const QByteArray& bytes, qsizetype linesWritten, qsizetype keep);

} // namespace FieldLines

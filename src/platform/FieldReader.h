#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads the fields of a plain-text data file one after another, as the classic Input statement
// read them. Fields are separated by a comma or a line end (CR, LF or CR LF). A field that begins
// with a double quote runs to the next double quote and may hold commas and line ends; whatever
// follows its closing quote up to the next separator is passed over. An unquoted field starts at
// its first non-blank character and runs to the next separator, trailing blanks cut. Blanks and
// blank lines after the last field are the end of the file. The bytes are Windows-1252, or UTF-8
// after a UTF-8 byte-order mark, which is no part of the first field.
class FieldReader {
public:
    // Files larger than this are not data files of the program; reading them is refused.
    static constexpr qint64 kLargestFile = 8 * 1024 * 1024;

    explicit FieldReader(const QByteArray& bytes);

    // The file at path, read whole; nothing when it is missing, unreadable or too large.
    static std::optional<FieldReader> fromFile(const QString& path);

    // Whether only blanks and line ends are left.
    bool atEnd() const;
    // The next field; nothing at the end of the file, or for a quote that is never closed
    // (unclosedQuote() then tells so and every later read gives nothing).
    std::optional<QString> next();
    bool unclosedQuote() const { return unclosedQuote_; }

private:
    bool isBlank(qsizetype at) const;
    bool isLineEnd(qsizetype at) const;
    void skipBlanks();
    // Steps over the separator at the position: a comma, CR, LF or CR LF.
    void skipSeparator();

    QString text_;
    // One past the last character that is neither a blank nor a line end: reading has come to
    // the end once it is there, however many blank lines lie before it.
    qsizetype contentEnd_ = 0;
    qsizetype at_ = 0;
    bool unclosedQuote_ = false;
};

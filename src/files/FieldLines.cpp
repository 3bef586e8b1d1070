#include "FieldLines.h"

#include <algorithm>
#include <vector>

namespace FieldLines {

namespace {

// The fewest bytes a line takes: its two quotes and one byte of line end (a line end that lost
// its line feed is a lone CR).
constexpr qsizetype kShortestLine = 3;

bool isControl(char c) {
    return uchar(c) < 0x20;
}

// The printable bytes between two runs of control characters: one line's field, or what the
// damage left of it.
struct Piece {
    qsizetype from = 0;
    qsizetype to = 0;
    bool opened = false;      // it begins with its opening quote
    bool closed = false;      // it ends with its closing quote
    bool quoteInside = false; // a quote stands between its first and last byte
    bool loneQuote = false;   // it is one quote alone
    bool whole() const { return opened && closed && !quoteInside; }
};

// The control characters before, between or after the pieces, and how many line ends they can
// stand for.
struct Gap {
    qsizetype from = 0;
    qsizetype to = 0;
    bool zeros = false;
    bool lineFeed = false;
    bool crLf = false;
    qsizetype fewest = 0;
    qsizetype most = 0;
    qsizetype length() const { return to - from; }
    // A line end as the files are read without complaint: CR LF, or LF alone.
    bool lineEnd() const { return crLf || (length() == 1 && lineFeed); }
};

Piece pieceAt(const QByteArray& bytes, qsizetype from, qsizetype to) {
    Piece piece{from, to};
    const qsizetype size = to - from;
    // A lone quote may be either quote of a field whose text was lost: it says nothing of where
    // one field ends.
    if (size >= 2) {
        piece.opened = bytes.at(from) == '"';
        piece.closed = bytes.at(to - 1) == '"';
        piece.quoteInside = std::find(bytes.begin() + from + 1, bytes.begin() + to - 1, '"') !=
                            bytes.begin() + to - 1;
    }
    piece.loneQuote = size == 1 && bytes.at(from) == '"';
    return piece;
}

Gap gapAt(const QByteArray& bytes, qsizetype from, qsizetype to) {
    Gap gap{from, to};
    const QByteArrayView run(bytes.constData() + from, to - from);
    gap.zeros = run.contains('\0');
    gap.lineFeed = run.contains('\n');
    gap.crLf = run == QByteArrayView("\r\n");
    return gap;
}

// How many line ends the control characters between two pieces stand for. Without zeros, one
// when either piece shows its quote there or a line feed is left, else none (a control character
// inside a text). Zeros can have hidden one line end for the bytes of it that are missing (a
// byte of the line end and each quote lost) and a further one for every shortest line after it.
void bound(Gap& gap, const Piece& left, const Piece& right) {
    gap.fewest = left.closed || right.opened || gap.lineFeed ? 1 : 0;
    gap.most = gap.fewest;
    const qsizetype oneLineEnd = 1 + (left.closed ? 0 : 1) + (right.opened ? 0 : 1);
    if (gap.zeros && gap.length() >= oneLineEnd) {
        gap.most = std::max(gap.fewest, 1 + (gap.length() - oneLineEnd) / kShortestLine);
    }
}

// Whole lines that zeros at the file's start or end can have hidden, beyond the bytes the piece
// beside them lost (its quote, its line end).
qsizetype hiddenLines(const Gap& gap, qsizetype lost) {
    return gap.zeros && gap.length() >= lost ? (gap.length() - lost) / kShortestLine : 0;
}

class Reader {
public:
    Reader(const QByteArray& bytes, qsizetype linesWritten, qsizetype keep)
        : bytes_(bytes), linesWritten_(linesWritten), keep_(keep) {}

    Read run() {
        split();
        place();
        collectFields();
        describe();
        findUnsure();
        return std::move(read_);
    }

private:
    void split() {
        const qsizetype size = bytes_.size();
        qsizetype at = 0;
        while (at < size && isControl(bytes_.at(at))) {
            ++at;
        }
        lead_ = gapAt(bytes_, 0, at);
        while (at < size) {
            const qsizetype from = at;
            while (at < size && !isControl(bytes_.at(at))) {
                ++at;
            }
            pieces_.push_back(pieceAt(bytes_, from, at));
            const qsizetype gapFrom = at;
            while (at < size && isControl(bytes_.at(at))) {
                ++at;
            }
            gaps_.push_back(gapAt(bytes_, gapFrom, at));
        }
        // The last gap is the file's end: what follows the last piece.
        if (!gaps_.empty()) {
            trail_ = gaps_.back();
            gaps_.pop_back();
        }
        for (std::size_t index = 0; index < gaps_.size(); ++index) {
            bound(gaps_[index], pieces_[index], pieces_[index + 1]);
        }
        if (pieces_.empty()) {
            lead_.most = hiddenLines(lead_, 0);
        } else {
            lead_.most = hiddenLines(lead_, pieces_.front().opened ? 0 : 1);
            trail_.most = hiddenLines(trail_, (pieces_.back().closed ? 0 : 1) + 1);
        }
    }

    // Each piece's line counted from the start with the fewest line ends every gap stands for;
    // what a file of linesWritten lines lacks then is taken as hidden under the zeros, in the
    // first gaps that can have held it.
    void place() {
        std::vector<qsizetype> fewest(pieces_.size());
        for (std::size_t index = 1; index < pieces_.size(); ++index) {
            fewest[index] = fewest[index - 1] + gaps_[index - 1].fewest;
        }
        const qsizetype leastCount = pieces_.empty() ? 0 : fewest.back() + 1;
        lacking_ = linesWritten_ > leastCount ? linesWritten_ - leastCount : qsizetype(0);
        qsizetype room = lead_.most;
        line_.resize(pieces_.size());
        hidden_.resize(pieces_.size());
        for (std::size_t index = 0; index < pieces_.size(); ++index) {
            if (index > 0) {
                room += gaps_[index - 1].most - gaps_[index - 1].fewest;
            }
            hidden_[index] = std::min(lacking_, room);
            line_[index] = fewest[index] + hidden_[index];
        }
        room += trail_.most;
        read_.count = leastCount + std::min(lacking_, room);
    }

    void collectFields() {
        read_.fields.resize(std::min(read_.count, keep_));
        for (std::size_t index = 0; index < pieces_.size(); ++index) {
            const qsizetype line = line_[index];
            if (line < read_.fields.size()) {
                read_.fields[line] += text(pieces_[index]);
            }
        }
    }

    QByteArray text(const Piece& piece) const {
        const qsizetype from = piece.from + (piece.opened ? 1 : 0);
        const qsizetype to = piece.to - (piece.closed ? 1 : 0);
        return from < to ? bytes_.mid(from, to - from) : QByteArray();
    }

    void broken(qsizetype line, bool control) {
        if (read_.firstBroken == 0) {
            read_.firstBroken = line;
            read_.brokenByControl = control;
        } else if (line == read_.firstBroken && control) {
            read_.brokenByControl = true;
        }
    }

    // A gap between the line of the piece before (0 at the file's start) and that of the piece
    // after (count + 1 at its end): zeros that can have hidden line ends are told with the lines
    // they reach, unless the file lacks no line and they are placed inside one line; other
    // damage is a control character on the line before.
    void describeGap(const Gap& gap, const Piece* left, qsizetype leftLine, const Piece* right,
                     qsizetype rightLine, bool fine) {
        const qsizetype lineEnds =
            (right == nullptr ? read_.count + 1 : rightLine) - (left == nullptr ? 1 : leftLine);
        if (gap.zeros && gap.most > gap.fewest && (lineEnds > 0 || lacking_ > 0)) {
            const qsizetype first = left == nullptr ? 1 : left->closed ? leftLine + 1 : leftLine;
            const qsizetype last = right == nullptr ? read_.count
                                   : right->opened  ? rightLine - 1
                                                    : rightLine;
            if (first <= last) {
                read_.zeroLines.append({first, last});
                return;
            }
        }
        if (!fine) {
            broken(std::max(leftLine, qsizetype(1)), true);
        }
    }

    // Whether the piece has its quotes, or lost them to the zeros beside it, which are told apart.
    bool quotesExplained(const Piece& piece, qsizetype index) const {
        const bool zerosBefore = (index == 0 ? lead_ : gaps_[std::size_t(index - 1)]).zeros;
        const bool zerosAfter =
            (std::size_t(index) + 1 == pieces_.size() ? trail_ : gaps_[std::size_t(index)]).zeros;
        if (piece.loneQuote) {
            return zerosBefore || zerosAfter;
        }
        return !piece.quoteInside && (piece.opened || zerosBefore) && (piece.closed || zerosAfter);
    }

    void describe() {
        const qsizetype lines = qsizetype(pieces_.size());
        for (qsizetype index = 0; index <= lines; ++index) {
            const Piece* left = index > 0 ? &pieces_[std::size_t(index - 1)] : nullptr;
            const qsizetype leftLine = left ? line_[std::size_t(index - 1)] + 1 : 0;
            const Piece* right = index < lines ? &pieces_[std::size_t(index)] : nullptr;
            const qsizetype rightLine = right ? line_[std::size_t(index)] + 1 : 0;
            if (left == nullptr) {
                describeGap(lead_, nullptr, 0, right, rightLine, lead_.length() == 0);
            } else if (right == nullptr) {
                // The last line may also end without its line end, or with a lone CR.
                const bool fine = trail_.length() == 0 || trail_.lineEnd() ||
                                  (trail_.length() == 1 && bytes_.at(trail_.from) == '\r');
                describeGap(trail_, left, leftLine, nullptr, 0, fine);
                read_.asWritten = read_.asWritten && trail_.crLf;
            } else {
                const Gap& gap = gaps_[std::size_t(index - 1)];
                describeGap(gap, left, leftLine, right, rightLine, gap.lineEnd());
                read_.asWritten = read_.asWritten && gap.crLf;
            }
            if (right != nullptr && !quotesExplained(*right, index)) {
                broken(rightLine, false);
            }
        }
        read_.asWritten = read_.asWritten && lead_.length() == 0 && read_.firstBroken == 0 &&
                          read_.zeroLines.isEmpty();
    }

    // A piece after zeros that can have hidden more lines than were taken as hidden may belong
    // on any line from the one it would have with none hidden to the one it is placed on. The
    // lines of that span are unsure unless the piece and every field shown there are empty, as
    // then no line of it can show anything else.
    void findUnsure() {
        const qsizetype kept = read_.fields.size();
        std::vector<qsizetype> filledBefore(std::size_t(kept) + 1);
        for (qsizetype line = 0; line < kept; ++line) {
            filledBefore[std::size_t(line + 1)] =
                filledBefore[std::size_t(line)] + (read_.fields.at(line).isEmpty() ? 0 : 1);
        }
        std::vector<int> marks(std::size_t(kept) + 1);
        for (std::size_t index = 0; index < pieces_.size(); ++index) {
            const qsizetype last = std::min(line_[index], kept - 1);
            const qsizetype first = line_[index] - hidden_[index];
            if (hidden_[index] == 0 || first > last) {
                continue;
            }
            const bool filled =
                !text(pieces_[index]).isEmpty() ||
                filledBefore[std::size_t(last + 1)] > filledBefore[std::size_t(first)];
            if (filled) {
                ++marks[std::size_t(first)];
                --marks[std::size_t(last + 1)];
            }
        }
        int open = 0;
        for (qsizetype line = 0; line < kept; ++line) {
            open += marks[std::size_t(line)];
            if (open > 0) {
                read_.unsureLines.append(line + 1);
            }
        }
    }

    const QByteArray& bytes_;
    qsizetype linesWritten_;
    qsizetype keep_;
    std::vector<Piece> pieces_;
    // gaps_[i] lies between pieces_[i] and pieces_[i + 1].
    std::vector<Gap> gaps_;
    Gap lead_;
    Gap trail_;
    // The line each piece is placed on (from 0), and how many lines before it were taken as
    // hidden under zeros.
    std::vector<qsizetype> line_;
    std::vector<qsizetype> hidden_;
    // The lines a file of linesWritten lacks when every gap stands for its fewest line ends.
    qsizetype lacking_ = 0;
    Read read_;
};

} // namespace

Read read(const QByteArray& bytes, qsizetype linesWritten, qsizetype keep) {
    return Reader(bytes, linesWritten, keep).run();
}

} // namespace FieldLines

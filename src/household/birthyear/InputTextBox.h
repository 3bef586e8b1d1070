#pragma once

#include <QPlainTextEdit>

#include <functional>

// The multi-line box in which a year's text is edited. What it holds is stored in a fixed field of
// 500 Windows-1252 bytes, where a line break takes two. Every way text enters (keys, paste, the
// middle button's selection paste, a drop, an input method) goes through the window's entry
// handler and keeps to the field: a character the file cannot hold enters as "?", as it will be
// saved, and what would pass the limit is cut, so that what shows is what is saved.
class InputTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kLimit = 500;

    explicit InputTextBox(QWidget* parent = nullptr);

    // Runs for every key pressed in the box and for every other way text enters, before it acts;
    // false keeps it out.
    void setEntryHandler(std::function<bool()> handler) { entryHandler_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // The stored bytes left free when the selection is replaced.
    int room() const;
    // What of text enters at the caret: storable characters, within the room left.
    QString fitting(const QString& text) const;
    bool entryAllowed() const { return !entryHandler_ || entryHandler_(); }

    std::function<bool()> entryHandler_;
};

#pragma once

#include <QPlainTextEdit>

#include <functional>

// The multi-line box in which a year's text is edited. What it holds is stored in a fixed field of
// 500 Windows-1252 bytes, where a line break takes two: typing, Enter and paste that would pass the
// limit are refused (a paste is cut to the room left), and so are characters the code page cannot
// hold, so that what shows is what is saved.
class InputTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kLimit = 500;

    explicit InputTextBox(QWidget* parent = nullptr);

    // Runs for every key pressed in the box, before the key acts; false swallows the key.
    void setKeyHandler(std::function<bool()> handler) { keyHandler_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // The stored bytes left free when the selection is replaced.
    int room() const;

    std::function<bool()> keyHandler_;
};

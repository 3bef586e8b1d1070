#pragma once

#include <QColor>
#include <QPushButton>

// The 3-D command button of the classic windows. Its caption is shown as typed (an "&" is a
// character, not an access key), in its fore colour. Two display settings mark it for the game
// that drives it: the open setting (3 = the attempt being typed, drawn with a thick blue frame;
// 0 = none) and the missed setting (true = judged wrong, a dashed red frame). Typed characters
// arrive as keyTyped codes, as ListBox reports them; Tab moves the focus and is not reported; Enter
// and Space press the button, Space being reported first as the classic key press was.
class Command3D : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kOpen = 3;

    explicit Command3D(QWidget* parent = nullptr, const QString& caption = {});

    // Shown as the button's text, and read as its name unless it has a field name.
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // A button that stands for a field being typed (an attempt) keeps this name whatever its
    // caption shows; the caption, what was typed, is read after it as the description.
    void setFieldName(const QString& name);
    void setForeColour(const QColor& colour);
    QColor foreColour() const;
    void setOpenSetting(int setting);
    int openSetting() const { return open_; }
    void setMissed(bool missed);
    bool missed() const { return missed_; }

signals:
    // 8 Backspace, 32 Space and every printable character.
    void keyTyped(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QString fieldName_;
    int open_ = 0;
    bool missed_ = false;
};

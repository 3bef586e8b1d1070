#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <vector>

class QRubberBand;
class QWidget;

// The manual drag of a control inside one window. A handler begins it from code at a mouse press
// on the control; while the button is held, the registered targets under the pointer are told that
// the control is over them, and the target under the pointer at the release receives the drop. No
// mouse-move or click handler of the window runs during the drag. A drag can be cancelled from
// code at any time; no drop follows then, and the rest of that press reaches no handler.
class InWindowDrag : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(QWidget* source)>;

    explicit InWindowDrag(QWidget* window);
    ~InWindowDrag() override;

    // A target is the widget itself and everything inside it that is no target of its own.
    void addTarget(QWidget* target, Handler drop, Handler over = {});

    // Begins dragging source (a widget of this window) from the pointer's position.
    void begin(QWidget* source);
    void cancel();
    bool active() const { return !source_.isNull(); }
    QWidget* source() const { return source_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        QPointer<QWidget> widget;
        Handler drop;
        Handler over;
    };

    const Target* targetAt(const QPoint& globalPos) const;
    void moveOutline(const QPoint& globalPos);
    void endGesture();

    QWidget* window_;
    std::vector<Target> targets_;
    QPointer<QWidget> source_;
    // A cancelled drag still owns the rest of its press: its moves and release reach no handler.
    bool gesture_ = false;
    QPoint grabOffset_;
    QRubberBand* outline_;
};

#include "StorableText.h"

#include "Cp1252.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>

namespace {

using Filter = std::function<QString(const QString&)>;

QString storable(const Filter& filter, const QString& text) {
    return StorableText::kept(filter ? filter(text) : text);
}

class StorableValidator : public QValidator {
public:
    StorableValidator(Filter filter, QObject* parent)
        : QValidator(parent), filter_(std::move(filter)) {}

    State validate(QString& input, int& position) const override {
        const QString kept = storable(filter_, input);
        if (kept != input) {
            // The caret stays behind what was typed, less what was taken out before it.
            position =
                std::clamp(int(position - (input.size() - kept.size())), 0, int(kept.size()));
            input = kept;
        }
        return Acceptable;
    }

private:
    Filter filter_;
};

// A box cuts what comes in to its maximum length before its validator sees it, counting UTF-16
// units: an emoji would take two places before it became one "?", and a quote the filter takes
// out one. So a text that comes in whole (a paste, the middle button's selection paste, a drop,
// an input method's commit) is made storable first, and keeps as many characters as the same
// text typed key by key.
class WholeTextEntry : public QObject {
public:
    static constexpr const char* kName = "storableWholeTextEntry";

    WholeTextEntry(QLineEdit& box, Filter filter)
        : QObject(&box), box_(box), filter_(std::move(filter)) {
        setObjectName(kName);
        box.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_ || !entersText(event->type()) || box_.isReadOnly()) {
            return false;
        }
        switch (event->type()) {
        case QEvent::KeyPress:
            return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
                   pasted(QClipboard::Clipboard);
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                QApplication::clipboard()->supportsSelection()) {
                box_.deselect();
                return pasted(QClipboard::Selection);
            }
            return false;
        case QEvent::Drop:
            return dropped(*static_cast<QDropEvent*>(event));
        case QEvent::InputMethod:
            return composed(*static_cast<QInputMethodEvent*>(event));
        case QEvent::ContextMenu:
            return box_.contextMenuPolicy() == Qt::DefaultContextMenu &&
                   menuShown(*static_cast<QContextMenuEvent*>(event));
        default:
            return false;
        }
    }

private:
    // Only these are looked at: the others include those a box gets while it is destroyed.
    static bool entersText(QEvent::Type type) {
        return type == QEvent::KeyPress || type == QEvent::MouseButtonRelease ||
               type == QEvent::Drop || type == QEvent::InputMethod || type == QEvent::ContextMenu;
    }

    // Inserts the clipboard's text made storable; false when it is storable already, so that
    // the box pastes it itself.
    bool pasted(QClipboard::Mode mode) {
        const QString text = QApplication::clipboard()->text(mode);
        const QString kept = storable(filter_, text);
        if (kept == text) {
            return false;
        }
        box_.insert(kept);
        return true;
    }

    bool dropped(QDropEvent& drop) {
        const QString text = drop.mimeData()->text();
        const QString kept = storable(filter_, text);
        if (text.isNull() || kept == text) {
            return false;
        }
        QMimeData data;
        data.setText(kept);
        QDropEvent storableDrop(drop.position(), drop.possibleActions(), &data, drop.buttons(),
                                drop.modifiers());
        storableDrop.setDropAction(drop.dropAction());
        QApplication::sendEvent(&box_, &storableDrop);
        drop.setDropAction(storableDrop.dropAction());
        drop.setAccepted(storableDrop.isAccepted());
        return true;
    }

    bool composed(QInputMethodEvent& input) {
        const QString kept = storable(filter_, input.commitString());
        if (kept == input.commitString()) {
            return false;
        }
        QInputMethodEvent storableInput(input.preeditString(), input.attributes());
        storableInput.setCommitString(kept, input.replacementStart(), input.replacementLength());
        QApplication::sendEvent(&box_, &storableInput);
        return true;
    }

    // The box's own menu, its Paste going the same way as the keys'.
    bool menuShown(const QContextMenuEvent& request) {
        QMenu* menu = box_.createStandardContextMenu();
        if (menu == nullptr) {
            return false;
        }
        for (QAction* action : menu->actions()) {
            // The menu's Paste is the action that would call the box's paste().
            if (QObject::disconnect(action, SIGNAL(triggered()), &box_, SLOT(paste()))) {
                connect(action, &QAction::triggered, this, [this] {
                    if (!pasted(QClipboard::Clipboard)) {
                        box_.paste();
                    }
                });
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(request.globalPos());
        return true;
    }

    QLineEdit& box_;
    Filter filter_;
};

} // namespace

QString StorableText::kept(const QString& text) {
    if (Cp1252::canHold(text)) {
        return text;
    }
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        kept += Cp1252::canHold(character) ? character : QString("?");
    }
    return kept;
}

void StorableText::guard(QLineEdit& box, std::function<QString(const QString&)> filter) {
    box.setValidator(new StorableValidator(filter, &box));
    // A box guarded again (the grid's editor, at each cell) takes the new filter.
    delete box.findChild<QObject*>(WholeTextEntry::kName, Qt::FindDirectChildrenOnly);
    new WholeTextEntry(box, std::move(filter));
}

#include "PrintPreviewAccessible.h"

#include "AccessibleInterfaceFactory.h"
#include "PageReadingText.h"
#include "PrintPreview.h"

#include <QAccessibleWidget>

namespace {

class PrintPreviewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PrintPreviewAccessible(PrintPreview* preview)
        : QAccessibleWidget(preview, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Description) {
            const int pages = preview()->layout().pageCount();
            return pages == 0
                       ? QString()
                       : PrintPreview::tr("Page %1 of %2").arg(preview()->pageInView()).arg(pages);
        }
        if (type == QAccessible::Value) {
            return pageText();
        }
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    // The page's text, read only: no selection, the cursor at its start.
    QString text(int startOffset, int endOffset) const override {
        return pageText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(pageText().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // The page's text is one run with no attributes: a screen reader that reads a line run by
    // run must get the run of the whole text at any offset, or it stops a character short.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const PrintPreview* preview() const { return static_cast<const PrintPreview*>(object()); }
    QString pageText() const {
        return pageReadingText(preview()->layout().document(), preview()->pageInView() - 1);
    }
};

} // namespace

namespace PrintPreviewAccessibility {

void install() {
    installAccessibleInterface<PrintPreview, PrintPreviewAccessible>();
}

void pageChanged(PrintPreview& preview) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent description(&preview, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleTextUpdateEvent text(&preview, 0, QString(), QString());
    QAccessible::updateAccessibility(&text);
}

} // namespace PrintPreviewAccessibility

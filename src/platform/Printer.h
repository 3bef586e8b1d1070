#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QWidget;

// The desktop's printers: fonts, page layout, and printing a document page by page.
class Printer {
public:
    // A document to print: each page painted in twips from the paper's top left corner.
    struct Job {
        QString title;
        QPageLayout layout;
        int pageCount = 0;
        std::function<void(QPainter&, int pageIndex)> paintPage;
    };
    enum class Result { Printed, Cancelled, Failed };

    virtual ~Printer() = default;
    // The family the default printer uses when asked for this font; nothing when there is no
    // printer or it cannot use the name.
    virtual std::optional<QString> fontFor(const QString& family) = 0;
    // The default printer's paper and margins, or US letter with margins of an inch.
    virtual QPageLayout defaultPageLayout() = 0;
    // The page setup dialog over layout; false when cancelled.
    virtual bool pageSetup(QPageLayout& layout, QWidget* parent) = 0;
    // Prints after the desktop's print dialog (which also offers a PDF file), or straight to the
    // default printer.
    virtual Result print(const Job& job, bool askFirst, QWidget* parent) = 0;
};

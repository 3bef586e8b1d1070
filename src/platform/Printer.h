#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QWidget;

// The desktop's printers: fonts, page layout, and printing a document page by page. A PDF file
// can always be printed to, also where no printer is set up.
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
    // The family the printer (or a PDF file) prints when asked for this font by name; nothing
    // when it has no font of that name.
    virtual std::optional<QString> fontFor(const QString& family) = 0;
    // The family the system prints in place of a font it has none of by that name: the face it
    // matches to the name, the one the preview measures with too; its serif face when it matches
    // the name to nothing but its default face.
    virtual QString substituteFor(const QString& family) = 0;
    // The default printer's paper and margins, or US letter with margins of an inch.
    virtual QPageLayout defaultPageLayout() = 0;
    // The page setup dialog over layout; false when cancelled.
    virtual bool pageSetup(QPageLayout& layout, QWidget* parent) = 0;
    // Prints after the desktop's print dialog, which offers the printers and "Print to File"
    // (a PDF file) whether a printer is set up or not.
    virtual Result print(const Job& job, QWidget* parent) = 0;
};

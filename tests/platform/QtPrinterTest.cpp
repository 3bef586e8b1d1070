// The desktop's print dialog as a family without a printer meets it: "Print to File" is offered
// and the pages reach the file, in the copies and order chosen there.
#include "QtPrinter.h"
#include "PdfWords.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Prints the job through the desktop's print dialog, to a PDF file at path, after choosing in the
// dialog what choose does; whether the dialog offered "Print to File".
bool printToFileThroughTheDialog(const Printer::Job& job, const QString& path,
                                 const std::function<void(QPrintDialog&)>& choose) {
    bool offered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (QComboBox* printers : dialog->findChildren<QComboBox*>()) {
            offered = offered || printers->currentText().contains("Print to File");
        }
        auto* fileName = dialog->findChild<QLineEdit*>("filename");
        ASSERT_NE(fileName, nullptr);
        fileName->setText(path);
        choose(*dialog);
        dialog->accept();
    });
    EXPECT_EQ(QtPrinter().print(job, nullptr), Printer::Result::Printed);
    return offered;
}

TEST(QtPrinterTest, WithoutAPrinterThePrintDialogOffersAFileAndPrintsToIt) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is set up on this desktop";
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
    const Printer::Job job{"Page", letterPageLayout(), 1, [](QPainter& painter, int) {
                               painter.drawText(QPointF(1440, 1440), "Hello");
                           }};
    EXPECT_TRUE(printToFileThroughTheDialog(job, path, [](QPrintDialog&) {}));
    EXPECT_GT(QFileInfo(path).size(), 0);
}

TEST(QtPrinterTest, TheDialogsCopiesAndReverseOrderReachTheFile) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is set up on this desktop";
    }
    const Printer::Job job{"Pages", letterPageLayout(), 2, [](QPainter& painter, int page) {
                               QFont font("DejaVu Sans");
                               font.setPixelSize(240); // twips: 12 points
                               painter.setFont(font);
                               painter.drawText(QPointF(1440, 1440),
                                                QString("Page%1").arg(page + 1));
                           }};
    const struct {
        bool collate;
        QStringList pages;
    } cases[] = {
        {true, {"Page2", "Page1", "Page2", "Page1"}},
        {false, {"Page2", "Page2", "Page1", "Page1"}},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.collate ? "collated" : "not collated");
        const QString path = folder.filePath("pages.pdf");
        printToFileThroughTheDialog(job, path, [&](QPrintDialog& dialog) {
            auto* copies = dialog.findChild<QSpinBox*>("copies");
            auto* collate = dialog.findChild<QCheckBox*>("collate");
            auto* reverse = dialog.findChild<QCheckBox*>("reverse");
            ASSERT_TRUE(copies && collate && reverse);
            copies->setValue(2);
            collate->setChecked(c.collate);
            reverse->setChecked(true);
        });
        EXPECT_EQ(PdfWords::pageTexts(path), c.pages);
    }
}

} // namespace

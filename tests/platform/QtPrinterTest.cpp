// The desktop's print dialog as a family without a printer meets it: "Print to File" is offered
// and the page reaches the file.
#include "QtPrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(QtPrinterTest, WithoutAPrinterThePrintDialogOffersAFileAndPrintsToIt) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        GTEST_SKIP() << "a printer is set up on this desktop";
    }
    QTemporaryDir folder;
    const QString path = folder.filePath("page.pdf");
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
        dialog->accept();
    });
    const Printer::Job job{"Page", letterPageLayout(), 1, [](QPainter& painter, int) {
                               painter.drawText(QPointF(1440, 1440), "Hello");
                           }};
    EXPECT_EQ(QtPrinter().print(job, nullptr), Printer::Result::Printed);
    EXPECT_TRUE(offered);
    EXPECT_GT(QFileInfo(path).size(), 0);
}

} // namespace

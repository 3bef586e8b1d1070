#include "PrintPreviewPanel.h"

#include "AutoSize.h"
#include "OptionGroup.h"
#include "PrintJob.h"
#include "PrintSettingsValues.h"
#include "PrinterFontChoice.h"
#include "Services.h"
#include "SettingsFile.h"
#include "TextMeasure.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

const QString kEnlarge = QStringLiteral("Enlarge");
const QString kNormal = QStringLiteral("Normal");

} // namespace

PrintPreviewPanel::PrintPreviewPanel(Services& services, Config config, QWidget* parent)
    : Panel3D(parent), services_(services), config_(std::move(config)) {
    VSPrinter1 = new PrintPreview(services_.printer, services_.clipboard, this);
    place(VSPrinter1, 3555, 118, 5330, 6525);

    const bool flat = !config_.threeD;
    SSFrame80[0] = new QGroupBox(tr("Print Range"), this);
    place(SSFrame80[0], 195, 101, 3236, 950);
    SSOption81 = new QRadioButton(config_.rangeCaption, SSFrame80[0]);
    place(SSOption81, 300, 362, 2292, 322);
    SSOption81->setChecked(true);

    SSFrame80[1] = new QGroupBox(tr("Display Options"), this);
    place(SSFrame80[1], 195, 1206, 3236, 1281);
    SSOption82 = new OptionGroup(this);
    const char* guideCaptions[] = {"Do Not Display Guide Lines", "Display Guide Lines"};
    const int guideTops[] = {261, 569};
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(tr(guideCaptions[index]), SSFrame80[1]);
        place(option, 300, guideTops[index], 2292, 322);
        SSOption82->add(option);
    }
    connect(SSOption82, &OptionGroup::clicked, this, &PrintPreviewPanel::SetGuideLines);
    Label80[2] = new QLabel(tr("Orientation:"), SSFrame80[1]);
    place(Label80[2], 120, 967, 990, 194);
    Panel3D80[2] = new Panel3D(SSFrame80[1], QStringLiteral(" Portrait"));
    place(Panel3D80[2], 1139, 919, 2007, 302);

    // The window's own print options go in this frame, where the window puts it.
    SSFrame80[2] = new QGroupBox(config_.optionsCaption, this);
    SSFrame80[2]->setVisible(!config_.optionsCaption.isEmpty());
    for (QGroupBox* frame : SSFrame80) {
        frame->setFlat(flat);
    }

    Label80[1] = new QLabel(tr("Printer Font:"), this);
    place(Label80[1], 75, 2675, 975, 194);
    Panel3D80[0] = new Panel3D(this);
    place(Panel3D80[0], 1089, 2643, 2322, 302);
    Label80[0] = new QLabel(tr("Font Size:"), this);
    place(Label80[0], 120, 3109, 780, 194);
    Panel3D80[1] = new Panel3D(this);
    place(Panel3D80[1], 929, 3083, 584, 302);
    for (Panel3D* box : Panel3D80) {
        box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    Panel3D80[0]->setAccessibleName(tr("Printer Font"));
    Panel3D80[1]->setAccessibleName(tr("Font Size"));
    Panel3D80[2]->setAccessibleName(tr("Orientation"));
    Label80[0]->setBuddy(Panel3D80[1]);

    Frame3 = new QGroupBox(tr("Sample"), this);
    Frame3->setFlat(flat);
    place(Frame3, 195, 3470, 3236, 1000);
    Panel3d82 = new Panel3D(Frame3, QStringLiteral("AaBbYyZz"));
    Panel3d82->setAccessibleName(tr("Sample"));
    place(Panel3d82, 330, 245, 2490, 630);

    const struct {
        const char* caption;
        int left, top, width, height;
    } buttons[] = {{"Printer &Font", 564, 4515, 2422, 390},
                   {"&Page Setup", 564, 4930, 2422, 390},
                   {"&Cancel", 570, 6175, 2427, 400},
                   {"C&opy Current Page", 564, 5360, 2422, 360},
                   {"&Print", 570, 5745, 2415, 390}};
    for (int index = 0; index < 5; ++index) {
        const auto& b = buttons[index];
        SSCommand80[index] = new QPushButton(tr(b.caption), this);
        place(SSCommand80[index], b.left, b.top, b.width, b.height);
        connect(SSCommand80[index], &QPushButton::clicked, this,
                [this, index] { PreviewPanelCommand(index); });
    }
    // The tab order runs down the buttons as they stand.
    setTabOrder(SSCommand80[0], SSCommand80[1]);
    setTabOrder(SSCommand80[1], SSCommand80[3]);
    setTabOrder(SSCommand80[3], SSCommand80[4]);
    setTabOrder(SSCommand80[4], SSCommand80[2]);

    SSCommand2 = new QPushButton(tr("Auto Size"), this);
    place(SSCommand2, 7081, 101, 794, 211);
    connect(SSCommand2, &QPushButton::clicked, this, &PrintPreviewPanel::AutoSizePrintFont);
    SSCommand1 = new QPushButton(kEnlarge, this);
    place(SSCommand1, 8080, 101, 749, 211);
    connect(SSCommand1, &QPushButton::clicked, this, &PrintPreviewPanel::TogglePreviewSize);
    for (QPushButton* corner : {SSCommand1, SSCommand2}) {
        QFont small = corner->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        corner->setFont(small);
    }
    hide();
}

void PrintPreviewPanel::place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Twips::toPixels(left, top, width, height));
}

void PrintPreviewPanel::showFontSettings(Sample sample) {
    const PrintSettings& settings = services_.program.PrintSettings;
    if (const auto name = PrintValue::toText(settings.PrintFontName)) {
        Panel3D80[0]->setCaption(' ' + *name);
    }
    if (const auto size = PrintValue::toText(settings.PrintFontSize)) {
        Panel3D80[1]->setCaption(' ' + *size);
    }
    if (sample == Sample::Keep) {
        return;
    }
    // The sample follows each value that converts and keeps the others.
    QFont font = Panel3d82->font();
    PrintFont current{font.family(), font.pointSizeF(), font.bold(),
                      font.italic(), font.underline(),  font.strikeOut()};
    const PrintFont wanted = printFontOf(settings, current);
    font.setFamily(wanted.name);
    font.setPointSizeF(wanted.size);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeout);
    Panel3d82->setFont(font);
    if (const auto colour = printColourOf(settings)) {
        Panel3d82->setForeColour(*colour);
    }
}

void PrintPreviewPanel::showSampleSize() {
    const auto size = PrintValue::toText(services_.program.PrintSettings.PrintFontSize);
    Panel3D80[1]->setCaption(' ' + size.value_or(QString()));
    if (const auto points = PrintValue::toSingle(services_.program.PrintSettings.PrintFontSize);
        points && *points > 0) {
        QFont sample = Panel3d82->font();
        sample.setPointSizeF(*points);
        Panel3d82->setFont(sample);
    }
}

void PrintPreviewPanel::open(Sample sample) {
    if (config_.openChanged) {
        config_.openChanged(true);
    }
    if (config_.fillDefaults) {
        config_.fillDefaults();
    }
    showFontSettings(sample);
    show();
    raise();
    setFocus();
    SSCommand1->raise();
    SSCommand2->raise();
    SSCommand80[2]->setFocus();
    QCoreApplication::processEvents();
    rebuild();
}

void PrintPreviewPanel::rebuild() {
    if (config_.buildDocument) {
        config_.buildDocument(VSPrinter1->layout());
    }
    VSPrinter1->refresh();
}

void PrintPreviewPanel::PreviewPanelCommand(int index) {
    Dialogs& dialogs = services_.dialogs;
    switch (index) {
    case 0:
        if (ChoosePrinterFont(services_.program.PrintSettings, dialogs)) {
            showFontSettings();
            rebuild();
        }
        break;
    case 1:
        if (VSPrinter1->pageSetup()) {
            Panel3D80[2]->setCaption(VSPrinter1->orientation() == 1 ? QStringLiteral(" Landscape")
                                                                    : QStringLiteral(" Portrait"));
            rebuild();
        }
        break;
    case 2:
        hide();
        QCoreApplication::processEvents();
        if (config_.openChanged) {
            config_.openChanged(false);
        }
        break;
    case 3:
        if (VSPrinter1->copyCurrentPage()) {
            dialogs.message(
                {QStringLiteral("Current Page has been copied to the Windows Clipboard."),
                 QStringLiteral("Copy Option"), Dialogs::Icon::Information});
        } else {
            dialogs.message({QStringLiteral("The current page could not be copied to the "
                                            "clipboard."),
                             QStringLiteral("Copy Option"), Dialogs::Icon::Exclamation});
        }
        SSCommand80[2]->setFocus();
        break;
    case 4:
        printDocument(services_.printer, dialogs, VSPrinter1->layout().document(),
                      window()->windowTitle(), window());
        break;
    default:
        break;
    }
}

void PrintPreviewPanel::TogglePreviewSize() {
    const QRect now = VSPrinter1->geometry();
    if (SSCommand1->text() == kEnlarge) {
        SSCommand1->setText(kNormal);
        const int width =
            static_cast<int>(Twips::fromPixels(this->width())) - config_.enlargedWidthLess;
        VSPrinter1->setGeometry(Twips::toPixels(config_.enlargedLeft, 0, width, 0).x(), now.y(),
                                Twips::toPixels(width, 0).width(), now.height());
        VSPrinter1->setZoom(PrintPreview::kPageWidth);
    } else {
        SSCommand1->setText(kEnlarge);
        const ProgramState& program = services_.program;
        VSPrinter1->setGeometry(Twips::toPixels(program.PreviewNormalLeft), now.y(),
                                Twips::toPixels(program.PreviewNormalWidth), now.height());
        VSPrinter1->setZoom(PrintPreview::kWholePage);
        SSCommand80[2]->setFocus();
    }
    VSPrinter1->raise();
    SSCommand1->raise();
    SSCommand2->raise();
    QCoreApplication::processEvents();
}

void PrintPreviewPanel::AutoSizePrintFont() {
    PrintLayout& layout = VSPrinter1->layout();
    layout.setMargins(0, 0, 0, 0);
    const QString reference = config_.autoSizeReference ? config_.autoSizeReference() : QString();
    PrintFont font = layout.font();
    const double size = autoSizedFont(font.size, layout.pageWidth(), [&](double points) {
        font.size = points;
        return TextMeasure::width(font, reference);
    });
    services_.program.PrintSettings.PrintFontSize = static_cast<float>(size);
    showSampleSize();
    VSPrinter1->raise();
    SSCommand1->raise();
    SSCommand2->raise();
    SSCommand80[2]->setFocus();
    rebuild();
}

void PrintPreviewPanel::SetGuideLines(int index) {
    VSPrinter1->setGuideLines(index != 0 ? 1 : 0);
    if (loading_) {
        return;
    }
    const RecordFile::WriteResult written =
        settingsFile(services_.folder, SettingsFile::GColor3)
            .writeText(config_.guideLineRecord, QString::number(index != 0 ? 1 : 0));
    if (written != RecordFile::WriteResult::Written) {
        services_.dialogs.message(
            {QStringLiteral("The guide line choice cannot be remembered: the settings file could "
                            "not be written. It holds until the program ends."),
             QStringLiteral("Print"), Dialogs::Icon::Exclamation});
    }
}

void PrintPreviewPanel::loadGuideLineChoice() {
    const QString saved = settingsFile(services_.folder, SettingsFile::GColor3)
                              .readText(config_.guideLineRecord)
                              .trimmed();
    VSPrinter1->setOrientation(0);
    Panel3D80[2]->setCaption(QStringLiteral(" Portrait"));
    VSPrinter1->setGuideLines(0);
    const int index = saved.isEmpty() ? 0 : saved == "0" ? 0 : saved == "1" ? 1 : -1;
    loading_ = true;
    SSOption82->select(index);
    loading_ = false;
}

void PrintPreviewPanel::activate() {
    const int top = services_.program.ScreenMode == 9 ? 115 : 30;
    for (QPushButton* corner : {SSCommand1, SSCommand2}) {
        const QRect place = corner->geometry();
        corner->move(place.x(), Twips::toPixels(top));
    }
    services_.program.PreviewNormalWidth =
        static_cast<int>(std::lround(Twips::fromPixels(VSPrinter1->width())));
    services_.program.PreviewNormalLeft =
        static_cast<int>(std::lround(Twips::fromPixels(VSPrinter1->x())));
}

QPushButton* PrintPreviewPanel::escapeButton() const {
    return SSCommand1->text() == kNormal ? SSCommand1 : SSCommand80[2];
}

bool PrintPreviewPanel::escape() {
    if (!isOpen()) {
        return false;
    }
    escapeButton()->click();
    return true;
}

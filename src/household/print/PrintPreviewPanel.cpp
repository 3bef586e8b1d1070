#include "PrintPreviewPanel.h"

#include "AutoSize.h"
#include "CaptionFit.h"
#include "ElasticResizer.h"
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
    preview = new PrintPreview(services_.printer, services_.clipboard, this);
    preview->setObjectName("VSPrinter1");
    place(preview, 3555, 118, 5330, 6525);

    const bool flat = !config_.threeD;
    optionFrames[0] = new QGroupBox(tr("Print Range"), this);
    place(optionFrames[0], 195, 101, 3236, 950);
    printRangeOption = new QRadioButton(config_.rangeCaption, optionFrames[0]);
    printRangeOption->setObjectName("SSOption81");
    place(printRangeOption, 300, 362, 2292, 322);
    printRangeOption->setChecked(true);

    optionFrames[1] = new QGroupBox(tr("Display Options"), this);
    place(optionFrames[1], 195, 1206, 3236, 1281);
    guideLineOptions = new OptionGroup(this);
    guideLineOptions->setObjectName("SSOption82");
    const char* guideCaptions[] = {"Do Not Display Guide Lines", "Display Guide Lines"};
    const int guideTops[] = {261, 569};
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(tr(guideCaptions[index]), optionFrames[1]);
        place(option, 300, guideTops[index], 2292, 322);
        guideLineOptions->add(option);
    }
    connect(guideLineOptions, &OptionGroup::clicked, this, &PrintPreviewPanel::SetGuideLines);
    settingLabels[2] = new QLabel(tr("Orientation:"), optionFrames[1]);
    place(settingLabels[2], 120, 967, 990, 194);
    settingPanels[2] = new Panel3D(optionFrames[1], QStringLiteral(" Portrait"));
    place(settingPanels[2], 1139, 919, 2007, 302);

    // The window's own print options go in this frame, where the window puts it.
    optionFrames[2] = new QGroupBox(config_.optionsCaption, this);
    optionFrames[2]->setVisible(!config_.optionsCaption.isEmpty());
    for (QGroupBox* frame : optionFrames) {
        frame->setObjectName("SSFrame80");
        frame->setFlat(flat);
    }

    settingLabels[1] = new QLabel(tr("Printer Font:"), this);
    place(settingLabels[1], 75, 2675, 975, 194);
    settingPanels[0] = new Panel3D(this);
    place(settingPanels[0], 1089, 2643, 2322, 302);
    settingLabels[0] = new QLabel(tr("Font Size:"), this);
    place(settingLabels[0], 120, 3109, 780, 194);
    settingPanels[1] = new Panel3D(this);
    place(settingPanels[1], 929, 3083, 584, 302);
    for (Panel3D* box : settingPanels) {
        box->setObjectName("Panel3D80");
        box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (QLabel* label : settingLabels) {
        label->setObjectName("Label80");
    }
    settingPanels[0]->setAccessibleName(tr("Printer Font"));
    settingPanels[1]->setAccessibleName(tr("Font Size"));
    settingPanels[2]->setAccessibleName(tr("Orientation"));
    settingLabels[0]->setBuddy(settingPanels[1]);

    sampleFrame = new QGroupBox(tr("Sample"), this);
    sampleFrame->setObjectName("Frame3");
    sampleFrame->setFlat(flat);
    place(sampleFrame, 195, 3470, 3236, 1000);
    sampleText = new Panel3D(sampleFrame, QStringLiteral("AaBbYyZz"));
    sampleText->setObjectName("Panel3d82");
    sampleText->setAccessibleName(tr("Sample"));
    sampleText->setCaptionFitted(true);
    place(sampleText, 330, 245, 2490, 630);

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
        commandButtons[index] = new QPushButton(tr(b.caption), this);
        commandButtons[index]->setObjectName("SSCommand80");
        place(commandButtons[index], b.left, b.top, b.width, b.height);
        connect(commandButtons[index], &QPushButton::clicked, this,
                [this, index] { PreviewPanelCommand(index); });
    }
    // The tab order runs down the buttons as they stand.
    setTabOrder(commandButtons[0], commandButtons[1]);
    setTabOrder(commandButtons[1], commandButtons[3]);
    setTabOrder(commandButtons[3], commandButtons[4]);
    setTabOrder(commandButtons[4], commandButtons[2]);

    autoSizeButton = new QPushButton(tr("Auto Size"), this);
    autoSizeButton->setObjectName("SSCommand2");
    place(autoSizeButton, 7081, 101, 794, 211);
    connect(autoSizeButton, &QPushButton::clicked, this, &PrintPreviewPanel::AutoSizePrintFont);
    enlargeButton = new QPushButton(kEnlarge, this);
    enlargeButton->setObjectName("SSCommand1");
    place(enlargeButton, 8080, 101, 749, 211);
    connect(enlargeButton, &QPushButton::clicked, this, &PrintPreviewPanel::TogglePreviewSize);
    for (QPushButton* corner : {enlargeButton, autoSizeButton}) {
        QFont small = corner->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        corner->setFont(small);
    }
    hide();
}

void PrintPreviewPanel::place(QWidget* widget, int left, int top, int width, int height) {
    const QRect designed = Twips::toPixels(left, top, width, height);
    // Placed after the window's load (an option moved as a preview opens), the control scales
    // with the window and its caption is fitted again.
    if (ElasticResizer* resizer = ElasticResizer::of(*window())) {
        resizer->place(*widget, designed);
    } else {
        widget->setGeometry(designed);
    }
}

void PrintPreviewPanel::showFontSettings(Sample sample) {
    const PrintSettings& settings = services_.program.PrintSettings;
    if (const auto name = PrintValue::toText(settings.PrintFontName)) {
        settingPanels[0]->setCaption(' ' + *name);
    }
    if (const auto size = PrintValue::toText(settings.PrintFontSize)) {
        settingPanels[1]->setCaption(' ' + *size);
    }
    if (sample == Sample::Keep) {
        return;
    }
    // The sample follows each value that converts and keeps the others.
    QFont font = sampleText->font();
    PrintFont current{font.family(), font.pointSizeF(), font.bold(),
                      font.italic(), font.underline(),  font.strikeOut()};
    const PrintFont wanted = printFontOf(settings, current);
    font.setFamily(wanted.name);
    font.setPointSizeF(wanted.size);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeout);
    showSampleFont(font);
    if (const auto colour = printColourOf(settings)) {
        sampleText->setForeColour(*colour);
    }
}

void PrintPreviewPanel::showSampleFont(const QFont& font) {
    sampleText->setFont(font);
    // A large print font on a screen of large fonts shows the sample smaller, never cut.
    CaptionFit::fitControl(*sampleText);
}

void PrintPreviewPanel::showSampleSize() {
    const auto size = PrintValue::toText(services_.program.PrintSettings.PrintFontSize);
    settingPanels[1]->setCaption(' ' + size.value_or(QString()));
    if (const auto points = PrintValue::toSingle(services_.program.PrintSettings.PrintFontSize);
        points && *points > 0) {
        QFont sample = sampleText->font();
        sample.setPointSizeF(*points);
        showSampleFont(sample);
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
    enlargeButton->raise();
    autoSizeButton->raise();
    // The focus is on "&Cancel" before what the panel covers goes, so that it never passes over
    // a control that is hiding.
    modality_.open(*this, *commandButtons[2]);
    QCoreApplication::processEvents();
    rebuild();
}

void PrintPreviewPanel::rebuild() {
    if (config_.buildDocument) {
        config_.buildDocument(preview->layout());
    }
    preview->refresh();
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
        if (preview->pageSetup()) {
            settingPanels[2]->setCaption(preview->orientation() == 1 ? QStringLiteral(" Landscape")
                                                                     : QStringLiteral(" Portrait"));
            rebuild();
        }
        break;
    case 2:
        // The focus goes back to the window before the panel hides, never staying on a hidden
        // "&Cancel".
        modality_.close();
        hide();
        QCoreApplication::processEvents();
        if (config_.openChanged) {
            config_.openChanged(false);
        }
        break;
    case 3:
        if (preview->copyCurrentPage()) {
            dialogs.message(
                {QStringLiteral("Current Page has been copied to the Windows Clipboard."),
                 QStringLiteral("Copy Option"), Dialogs::Icon::Information});
        } else {
            dialogs.message({QStringLiteral("The current page could not be copied to the "
                                            "clipboard."),
                             QStringLiteral("Copy Option"), Dialogs::Icon::Exclamation});
        }
        commandButtons[2]->setFocus();
        break;
    case 4:
        printDocument(services_.printer, dialogs, preview->layout().document(),
                      window()->windowTitle(), window());
        break;
    default:
        break;
    }
}

void PrintPreviewPanel::TogglePreviewSize() {
    const QRect now = preview->geometry();
    if (enlargeButton->text() == kEnlarge) {
        enlargeButton->setText(kNormal);
        const int width =
            static_cast<int>(Twips::fromPixels(this->width())) - config_.enlargedWidthLess;
        preview->setGeometry(Twips::toPixels(config_.enlargedLeft, 0, width, 0).x(), now.y(),
                             Twips::toPixels(width, 0).width(), now.height());
        preview->setZoom(PrintPreview::kPageWidth);
    } else {
        enlargeButton->setText(kEnlarge);
        const ProgramState& program = services_.program;
        preview->setGeometry(Twips::toPixels(program.PreviewNormalLeft), now.y(),
                             Twips::toPixels(program.PreviewNormalWidth), now.height());
        preview->setZoom(PrintPreview::kWholePage);
        commandButtons[2]->setFocus();
    }
    preview->raise();
    enlargeButton->raise();
    autoSizeButton->raise();
    QCoreApplication::processEvents();
}

void PrintPreviewPanel::AutoSizePrintFont() {
    PrintLayout& layout = preview->layout();
    layout.setMargins(0, 0, 0, 0);
    const QString reference = config_.autoSizeReference ? config_.autoSizeReference() : QString();
    PrintFont font = layout.font();
    const double size = autoSizedFont(font.size, layout.pageWidth(), [&](double points) {
        font.size = points;
        return TextMeasure::width(font, reference);
    });
    services_.program.PrintSettings.PrintFontSize = static_cast<float>(size);
    showSampleSize();
    preview->raise();
    enlargeButton->raise();
    autoSizeButton->raise();
    commandButtons[2]->setFocus();
    rebuild();
}

void PrintPreviewPanel::SetGuideLines(int index) {
    preview->setGuideLines(index != 0 ? 1 : 0);
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
    preview->setOrientation(0);
    settingPanels[2]->setCaption(QStringLiteral(" Portrait"));
    preview->setGuideLines(0);
    const int index = saved.isEmpty() ? 0 : saved == "0" ? 0 : saved == "1" ? 1 : -1;
    loading_ = true;
    guideLineOptions->select(index);
    loading_ = false;
}

void PrintPreviewPanel::activate() {
    const int top = services_.program.ScreenMode == 9 ? 115 : 30;
    for (QPushButton* corner : {enlargeButton, autoSizeButton}) {
        const QRect place = corner->geometry();
        corner->move(place.x(), Twips::toPixels(top));
    }
    services_.program.PreviewNormalWidth = Twips::fromPixelsRounded(preview->width());
    services_.program.PreviewNormalLeft = Twips::fromPixelsRounded(preview->x());
}

QPushButton* PrintPreviewPanel::escapeButton() const {
    return enlargeButton->text() == kNormal ? enlargeButton : commandButtons[2];
}

bool PrintPreviewPanel::escape() {
    if (!isOpen()) {
        return false;
    }
    escapeButton()->click();
    return true;
}

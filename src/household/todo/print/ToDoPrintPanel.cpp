#include "ToDoPrintPanel.h"

#include "DefaultPrintFont.h"
#include "OptionGroup.h"
#include "PrintPreviewPanel.h"
#include "PrintSettingsValues.h"
#include "Services.h"
#include "ToDoPrintLayouts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

// SignalValue holds this while the window loads: option changes then only take their state.
constexpr double kLoadingMark = -899;

const QString kListRange = QStringLiteral("Only Rows with a To Do Item");
const QString kWorksheetRange = QStringLiteral("Print To Do Item Worksheet");

} // namespace

ToDoPrintPanel::ToDoPrintPanel(Services& services, Hooks hooks, QWidget* parent)
    : QObject(parent), services_(services), hooks_(std::move(hooks)) {
    PrintPreviewPanel::Config config;
    config.buildDocument = [this](PrintLayout& layout) { buildDocument(layout); };
    config.openChanged = [this](bool open) {
        hooks_.setMenusEnabled(!open);
        if (!open) {
            asOfDateBox->setEnabled(true);
            hooks_.showStatus(hooks_.caption());
        }
    };
    config.rangeCaption = kListRange;
    config.optionsCaption = "Print Options";
    config.autoSizeReference = [this] {
        return QString(PreviewDocument == Document::Worksheet ? 62 : 76, 'n');
    };
    preview = new PrintPreviewPanel(services_, config, parent);
    preview->setObjectName("SSPanel80");

    // The left column makes room for the window's own options under the print range: the three
    // frames share the height the thoughts window's two take, each row under the one above it.
    preview->place(preview->optionFrames[0], 195, 101, 3236, 560);
    preview->place(preview->printRangeOption, 300, 230, 2800, 280);
    preview->place(preview->optionFrames[2], 195, 700, 3236, 820);
    gridLinesBox = new QCheckBox(tr("Print Grid Lines"), preview->optionFrames[2]);
    gridLinesBox->setObjectName("SSCheck80");
    preview->place(gridLinesBox, 300, 220, 2850, 260);
    asOfDateBox = new QCheckBox(tr("Print 'As of' date on each page"), preview->optionFrames[2]);
    asOfDateBox->setObjectName("SSCheck81");
    preview->place(asOfDateBox, 300, 500, 2850, 260);
    preview->place(preview->optionFrames[1], 195, 1560, 3236, 1060);
    for (int index = 0; index < 2; ++index) {
        preview->place(preview->guideLineOptions->button(index), 300, 220 + index * 260, 2292, 260);
    }
    preview->place(preview->settingLabels[2], 120, 790, 990, 194);
    preview->place(preview->settingPanels[2], 1139, 745, 2007, 290);
    connect(gridLinesBox, &QCheckBox::toggled, this, &ToDoPrintPanel::SetGridLinesOption);
    connect(asOfDateBox, &QCheckBox::toggled, this, &ToDoPrintPanel::SetAsOfDateOption);
    connect(preview->printRangeOption, &QRadioButton::clicked, this, &ToDoPrintPanel::rebuild);
}

bool ToDoPrintPanel::loading() const {
    return services_.program.SignalValue == kLoadingMark;
}

void ToDoPrintPanel::loadOptions() {
    // The window is loading until its activation assigns SignalValue again: the boxes ticked here
    // only record their state, so the load never builds a print document.
    services_.program.SignalValue = kLoadingMark;
    gridLinesBox->setChecked(true);
    asOfDateBox->setChecked(true);
    // A box ticked already raises no change: the state is set all the same.
    GridLinesOff = 0;
    services_.program.AsOfDateOff = 0;
    preview->loadGuideLineChoice();
}

void ToDoPrintPanel::SetGridLinesOption() {
    GridLinesOff = gridLinesBox->isChecked() ? 0 : 1;
    if (!loading()) {
        QCoreApplication::processEvents();
        rebuild();
    }
}

void ToDoPrintPanel::SetAsOfDateOption() {
    services_.program.AsOfDateOff = asOfDateBox->isChecked() ? 0 : 1;
    if (!loading()) {
        QCoreApplication::processEvents();
        rebuild();
    }
}

void ToDoPrintPanel::applyFontDefaults(const QString& sizeText) {
    PrintSettings& settings = services_.program.PrintSettings;
    applyDefaultPrintFont(settings, services_.printer, hooks_.entryFont(), {sizeText, false});
    printerFont_.name = PrintValue::toText(settings.PrintFontName).value_or(printerFont_.name);
}

void ToDoPrintPanel::OpenToDoPrintPreview() {
    hooks_.setMenusEnabled(false);
    preview->printRangeOption->setText(kListRange);
    if (!hooks_.findItem()) {
        services_.dialogs.message({QStringLiteral("There are currently No Entries to Print!"),
                                   QStringLiteral("Print"), Dialogs::Icon::Information});
        hooks_.setMenusEnabled(true);
        return;
    }
    hooks_.gridEditingOff();
    hooks_.showStatus(kListStatus);
    PreviewDocument = Document::List;
    applyFontDefaults(QStringLiteral("14"));
    PrintSettings& settings = services_.program.PrintSettings;
    if (const auto size = PrintValue::toSingle(settings.PrintFontSize); !size || *size <= 0) {
        settings.PrintFontSize = QStringLiteral("14");
    }
    preview->commandButtons[0]->setEnabled(true);
    preview->commandButtons[1]->setEnabled(true);
    preview->open();
}

void ToDoPrintPanel::OpenWorksheetPrintPreview() {
    hooks_.setMenusEnabled(false);
    preview->printRangeOption->setText(kWorksheetRange);
    hooks_.showStatus(kWorksheetStatus);
    PreviewDocument = Document::Worksheet;
    // The worksheet has no "As of" line.
    asOfDateBox->setEnabled(false);
    applyFontDefaults(QStringLiteral("18"));
    services_.program.PrintSettings.PrintFontSize = QStringLiteral("18");
    preview->open(PrintPreviewPanel::Sample::Keep);
    services_.program.NormalPointer();
}

void ToDoPrintPanel::rebuild() {
    preview->rebuild();
}

void ToDoPrintPanel::buildDocument(PrintLayout& layout) {
    const PrintSettings& settings = services_.program.PrintSettings;
    ToDoPrintLayouts::Options options;
    options.font = printFontOf(settings, PrintFont{});
    options.colour = printColourOf(settings).value_or(QColor(Qt::black));
    options.gridLinesOff = GridLinesOff == 1;
    options.asOfDateOff = services_.program.AsOfDateOff == 1;
    options.today = services_.clock.today();
    if (PreviewDocument == Document::Worksheet) {
        ToDoPrintLayouts::buildWorksheet(layout, options);
        return;
    }
    ToDoPrintLayouts::buildList(layout, hooks_.rows(), options);
    services_.program.NormalPointer();
}

bool ToDoPrintPanel::isOpen() const {
    return preview->isOpen();
}

bool ToDoPrintPanel::escape() {
    return preview->escape();
}

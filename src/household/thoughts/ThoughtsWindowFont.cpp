// The display font command of the general window: the font dialog, the colour check and the
// shrinking of a font too large for the display.
#include "ThoughtsWindow.h"

#include "ColorNumber.h"
#include "Panel3D.h"

#include <QLabel>

void ThoughtsWindow::ChooseDisplayFont() {
    showStatus("Display Font");
    const QFont current = thoughtLabel->font();
    const std::optional<Dialogs::FontChoice> chosen =
        services_.dialogs.chooseFont({current.family(), current.pointSizeF(), current.bold(),
                                      current.italic(), current.underline(), current.strikeOut(),
                                      thoughtLabel->palette().color(QPalette::WindowText)},
                                     Dialogs::FontList::ScreenAndPrinterFonts);
    if (chosen.has_value()) {
        if (chosen->colour.rgb() == displayArea->backColour().rgb()) {
            ColorConflictMessage();
        } else {
            applyDisplayFont(*chosen);
        }
    }
    showStatus(windowTitle());
}

void ThoughtsWindow::applyDisplayFont(const Dialogs::FontChoice& chosen) {
    DisplaySettingsChanged = 1;
    thoughtLabel->hide();
    const QString kept = thoughtLabel->text();
    thoughtLabel->clear();
    thoughtLabel->setFont(chosen.font());
    QPalette palette = thoughtLabel->palette();
    palette.setColor(QPalette::WindowText, chosen.colour);
    thoughtLabel->setPalette(palette);

    thoughtLabel->setText(DisplayFontFit::kTestLine);
    const DisplayFontFit::Measured start = measureLabel(chosen.size);
    const DisplayFontFit::Panel panel = displayPanel();
    if (start.width > panel.width || start.height > panel.height) {
        program_.BusyPointer();
        const DisplayFontFit::Shrunk shrunk = DisplayFontFit::shrinkUntilFits(
            chosen.size, 0, panel, [this](double size) { return measureLabel(size); });
        DisplayFitSize = shrunk.lastFitSize;
        program_.NormalPointer();
        if (shrunk.stuck) {
            services_.sound.beep();
            services_.dialogs.message({"Too large a font size selected for a non-scalable font.\r"
                                       "Program will reduce font size.",
                                       "Font Display", Dialogs::Icon::Information,
                                       Dialogs::Buttons::Ok});
        } else {
            services_.dialogs.message({"Selected font size is too large for thoughts to display "
                                       "properly.\rFont size will be reduced.",
                                       "Font Size Reduction Routine", Dialogs::Icon::Information,
                                       Dialogs::Buttons::Ok});
        }
    }
    thoughtLabel->setText(kept);
    CenterThought();
    program_.PrintSettings.PrintFontColour = qint32(ColorNumber::fromColor(chosen.colour));
}

void ThoughtsWindow::ColorConflictMessage() {
    services_.sound.beep();
    services_.dialogs.message({"Color selected will cause both the\rPanel and Font color to be "
                               "the same.\rThis would make the words disappear.",
                               "Color Conflict", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
}

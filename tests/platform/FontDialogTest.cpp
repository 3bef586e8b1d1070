#include "FontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

Dialogs::FontChoice preset() {
    Dialogs::FontChoice font;
    font.name = QFontDatabase::families().value(0);
    font.size = 13.5;
    font.bold = true;
    font.underline = true;
    font.colour = QColor(0x12, 0x34, 0x56); // none of the sixteen
    return font;
}

TEST(FontDialogTest, OkWithoutChangesGivesThePresetBackEvenItsOddColour) {
    FontDialog dialog(preset(), Dialogs::FontList::PrinterFonts);
    EXPECT_EQ(dialog.choice(), preset());
    EXPECT_EQ(dialog.sizes()->currentText(), "13.5");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
}

TEST(FontDialogTest, ChangesReachTheChoice) {
    FontDialog dialog(preset(), Dialogs::FontList::ScreenAndPrinterFonts);
    dialog.styles()->setCurrentRow(1); // Italic
    dialog.strikeout()->setChecked(true);
    dialog.underline()->setChecked(false);
    dialog.colours()->setCurrentIndex(12); // Blue
    dialog.sizes()->setCurrentText("999");
    const Dialogs::FontChoice chosen = dialog.choice();
    EXPECT_FALSE(chosen.bold);
    EXPECT_TRUE(chosen.italic);
    EXPECT_TRUE(chosen.strikeout);
    EXPECT_FALSE(chosen.underline);
    EXPECT_EQ(chosen.colour, QColor(Qt::blue));
    EXPECT_EQ(chosen.size, 999);
    EXPECT_TRUE(dialog.sample()->font().strikeOut());
}

TEST(FontDialogTest, OkWaitsForASizeFromOneTo999AndAName) {
    const struct {
        QString size;
        QString name;
        bool acceptable;
    } cases[] = {{"1", "Serif", true},       {"0.5", "Serif", false}, {"1000", "Serif", false},
                 {"twelve", "Serif", false}, {"", "Serif", false},    {"13.5", " ", false}};
    for (const auto& c : cases) {
        FontDialog dialog(preset(), Dialogs::FontList::PrinterFonts);
        dialog.familyEdit()->setText(c.name);
        dialog.sizes()->setCurrentText(c.size);
        EXPECT_EQ(dialog.okButton()->isEnabled(), c.acceptable) << c.size.toStdString();
        // A refused size never reaches the choice.
        EXPECT_EQ(dialog.choice().size, c.acceptable ? c.size.toDouble() : 13.5)
            << c.size.toStdString();
    }
}

} // namespace

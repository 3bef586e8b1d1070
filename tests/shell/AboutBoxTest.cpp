#include "AboutBox.h"
#include "FakePlatform.h"
#include "FamilyNamesWindow.h"
#include "SoundInformationWindow.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest() {
        main.setGeometry(100, 50, 1000, 800);
        services.mainWindow = &main;
    }

    std::unique_ptr<AboutBox> open() {
        auto window = std::make_unique<AboutBox>(services);
        window->show();
        QCoreApplication::processEvents(); // the activation
        return window;
    }

    void savePicture(const QString& name, const QColor& colour) const {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(fake.file(name), "JPG"));
    }

    FakePlatform fake;
    Services services{fake.platform};
    QWidget main;
};

TEST_F(AboutBoxTest, TheAccessCodeIsComparedInUpperCaseWithoutTrimming) {
    const struct {
        std::optional<QString> typed;
        bool creditsShown;
    } cases[] = {
        {"VORB", true}, {"vorb", true}, {" vorb", false}, {"vorb ", false}, {std::nullopt, false},
    };
    auto window = open();
    for (const auto& testCase : cases) {
        fake.dialogs.shown.clear();
        fake.dialogs.inputs = {testCase.typed};
        QTest::keyClick(window->okButton, Qt::Key_F9);
        ASSERT_EQ(fake.dialogs.prompts.last(), "Enter Code Now");
        EXPECT_EQ(fake.dialogs.shown.size(), testCase.creditsShown ? 1 : 0)
            << testCase.typed.value_or("<cancelled>").toStdString();
        if (testCase.creditsShown) {
            EXPECT_EQ(fake.dialogs.shown[0].title, "Software Information");
        }
    }
    const qsizetype prompts = fake.dialogs.prompts.size();
    QTest::keyClick(window->okButton, Qt::Key_F8);
    EXPECT_EQ(fake.dialogs.prompts.size(), prompts);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(AboutBoxTest, ThePictureComesFromTheBackgroundOrElseWP2) {
    savePicture("WP2.jpg", Qt::red);
    savePicture("WP5.jpg", Qt::green);
    const struct {
        StoredVariant background;
        std::optional<QColor> shown; // nothing: no picture, the box's own colour
    } cases[] = {
        {qint32{0xFF0000}, QColor(Qt::red)},
        {QString("Def"), QColor(Qt::red)},
        {QString("WP5"), QColor(Qt::green)},
        {QString("WP9"), std::nullopt}, // the picture is missing
    };
    for (const auto& testCase : cases) {
        services.program.Background = testCase.background;
        auto window = open();
        EXPECT_EQ(window->backgroundPicture->isVisible(), testCase.shown.has_value());
        if (testCase.shown.has_value()) {
            const QColor centre = window->backgroundPicture->pixmap().toImage().pixelColor(20, 15);
            EXPECT_LT(std::abs(centre.red() - testCase.shown->red()), 16);
            EXPECT_LT(std::abs(centre.green() - testCase.shown->green()), 16);
        }
    }
}

TEST_F(AboutBoxTest, TheWebLabelOpensTheSiteAndOkCloses) {
    auto window = open();
    QTest::mouseClick(window->webSiteLink, Qt::LeftButton);
    EXPECT_EQ(fake.web.opened, QStringList{"www.korvane.example"});
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->optionsArea, Qt::RightButton);
    EXPECT_TRUE(window->optionsMenu->isVisible());
    window->okAction->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AboutBoxTest, TheSmallerDisplayKeepsTheControlsAtTheirDesignedSize) {
    const QSize designed = AboutBox(services).okButton->size();
    for (int mode : {0, 9}) {
        services.program.ScreenMode = mode;
        auto window = open();
        EXPECT_EQ(window->size(), QSize(420, 376)) << mode;
        EXPECT_EQ(window->pos(), QPoint(100 + 500 - 210, 50 + 400 - 188 + 7)) << mode;
        EXPECT_EQ(window->okButton->size() == designed, mode == 9) << mode;
    }
}

TEST(DialogAccessibilityTest, EveryControlAPersonCanUseHasAName) {
    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<QWidget> windows[] = {std::make_unique<SoundInformationWindow>(services),
                                          std::make_unique<FamilyNamesWindow>(services),
                                          std::make_unique<AboutBox>(services)};
    for (const auto& window : windows) {
        window->show();
        // The window itself reads as a dialog, not as a filler.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Dialog)
            << window->objectName().toStdString();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) {
                continue;
            }
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << window->objectName().toStdString() << " " << control->metaObject()->className();
        }
    }
}

TEST(DialogKeysTest, EnterPressesTheFocusedButton) {
    FakePlatform fake;
    Services services{fake.platform};
    const struct {
        const char* button;
        std::function<std::unique_ptr<QWidget>()> open;
        std::function<QPushButton*(QWidget&)> find;
        bool closes;
        qsizetype messages;
    } cases[] = {
        {"About OK", [&] { return std::make_unique<AboutBox>(services); },
         [](QWidget& w) { return static_cast<AboutBox&>(w).okButton; }, true, 0},
        {"Family Names Save and Exit",
         [&] { return std::make_unique<FamilyNamesWindow>(services); },
         [](QWidget& w) { return static_cast<FamilyNamesWindow&>(w).saveAndExitButton; }, false, 1},
        {"Family Names Exit", [&] { return std::make_unique<FamilyNamesWindow>(services); },
         [](QWidget& w) { return static_cast<FamilyNamesWindow&>(w).exitButton; }, true, 0},
        {"Sound Information Save",
         [&] { return std::make_unique<SoundInformationWindow>(services); },
         [](QWidget& w) { return static_cast<SoundInformationWindow&>(w).saveAndExitButton; },
         false, 1},
        {"Sound Information Exit",
         [&] { return std::make_unique<SoundInformationWindow>(services); },
         [](QWidget& w) { return static_cast<SoundInformationWindow&>(w).exitWithoutSavingButton; },
         true, 0},
    };
    for (const auto& testCase : cases) {
        fake.dialogs.shown.clear();
        const std::unique_ptr<QWidget> window = testCase.open();
        window->show();
        QCoreApplication::processEvents(); // the activation
        QPushButton* button = testCase.find(*window);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(window->isVisible(), !testCase.closes) << testCase.button;
        EXPECT_EQ(fake.dialogs.shown.size(), testCase.messages) << testCase.button;
    }
}

} // namespace

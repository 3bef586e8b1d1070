#include "FamilyNamesWindow.h"
#include "FakePlatform.h"
#include "FamilyNamesFile.h"
#include "FullDisk.h"
#include "MinimiseAndRestore.h"
#include "TextEntryWays.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 128);

class FamilyNamesWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<FamilyNamesWindow> open() {
        auto window = std::make_unique<FamilyNamesWindow>(services);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents(); // the activation
        return window;
    }

    static QStringList someNames() {
        QStringList names;
        for (int index = 1; index <= FamilyNamesFile::kNames; ++index) {
            names.append("Name " + QString::number(index));
        }
        return names;
    }

    static void type(FamilyNamesWindow& window, const QStringList& names) {
        for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
            window.nameBoxes[index]->setText(names.at(index));
        }
    }

    QByteArray contents() const {
        QFile file(fake.file("FNames.Fil"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool highlighted(const FamilyNamesWindow& window, int index) {
        return window.nameBoxes[index]->palette().color(QPalette::Base) == kYellow &&
               window.nameLabels[index]->palette().color(QPalette::WindowText) == kBlue;
    }

    FakePlatform fake;
    Services services{fake.platform};
};

TEST_F(FamilyNamesWindowTest, ACompleteSetIsWrittenWholeAndTheWindowCloses) {
    auto first = open();
    EXPECT_TRUE(QFile::exists(fake.file("FNames.Fil")));
    EXPECT_TRUE(contents().isEmpty());
    EXPECT_EQ(first->nameLabels[0]->text(), "1st Name:");
    EXPECT_EQ(first->nameLabels[9]->text(), ":10th Name");

    QStringList names = someNames();
    names[2] = "   "; // blanks count as a name
    type(*first, names);
    QTest::mouseClick(first->saveAndExitButton, Qt::LeftButton);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());

    const QByteArray stored = contents();
    ASSERT_EQ(stored.size(), 18 * 128);
    for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
        QByteArray expected(128, '\0');
        const QByteArray name = names.at(index).toLatin1();
        expected[0] = char(name.size());
        expected.replace(2, name.size(), name);
        EXPECT_EQ(stored.mid(index * 128, 128), expected) << index;
    }

    auto second = open();
    for (int index = 0; index < FamilyNamesFile::kNames; ++index) {
        EXPECT_EQ(second->nameBoxes[index]->text(), names.at(index));
    }
    second->nameBoxes[0]->setText("Changed");
    second->exitButton->click();
    EXPECT_EQ(contents(), stored);
}

TEST_F(FamilyNamesWindowTest, MinimisingKeepsTheTypedNamesUntilTheSave) {
    FamilyNamesWindow window(services);
    const QStringList names = someNames();
    EXPECT_TRUE(minimiseRestoreAndClose(
        window, [&] { type(window, names); },
        [&] { EXPECT_EQ(window.nameBoxes[17]->text(), names.at(17)); },
        [&] { window.saveAndExitButton->click(); }));
    EXPECT_EQ(FamilyNamesFile::read(fake.folder), names);
}

TEST_F(FamilyNamesWindowTest, AnIncompleteSetIsRefusedAtTheFirstEmptyBox) {
    auto window = open();
    QStringList names = someNames();
    names[5].clear();
    names[12].clear();
    type(*window, names);
    QTest::mouseClick(window->saveAndExitButton, Qt::LeftButton);

    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].text, "All Names must be Entered\rin Order to Save.");
    EXPECT_EQ(fake.dialogs.shown[0].title, "Save and Exit Command");
    EXPECT_EQ(fake.sound.played, QStringList{FakeSound::kBeep});
    EXPECT_TRUE(window->nameBoxes[5]->hasFocus());
    EXPECT_TRUE(highlighted(*window, 5));
    EXPECT_FALSE(highlighted(*window, 12));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(contents().isEmpty());
}

// A name shows as its record keeps it, whichever way it is entered: at most 126 characters, each
// character the file cannot hold as one "?" counted as one; the names saved are the names shown.
TEST_F(FamilyNamesWindowTest, ANameEnteredShowsAsItsRecordKeepsItAndIsSavedSo) {
    QStringList names = someNames();
    names[0] = QString(126, 'a'); // the longest that fits
    for (const TextEntryWay& way : textEntryWays()) {
        SCOPED_TRACE(way.name);
        QFile::remove(fake.file("FNames.Fil"));
        auto window = open();
        type(*window, names);
        QLineEdit& fourth = *window->nameBoxes[3];
        QLineEdit& seventh = *window->nameBoxes[6];
        fourth.clear();
        seventh.clear();
        fourth.setFocus(Qt::MouseFocusReason);
        way.enter(fourth, fourth, fourth.rect().center(),
                  QString::fromUtf8("Łukasz Nguyễn 李 Zoë 🙂 € Œ"));
        EXPECT_EQ(fourth.text(), QString::fromUtf8("?ukasz Nguy?n ? Zoë ? € Œ"));
        seventh.setFocus(Qt::MouseFocusReason);
        // At the limit the emoji takes the one place of its "?", as when typed.
        way.enter(seventh, seventh, seventh.rect().center(),
                  QString(124, 'b') + QString::fromUtf8("🙂cd"));
        EXPECT_EQ(seventh.text(), QString(124, 'b') + "?c");
        window->saveAndExitAction->trigger();
        EXPECT_TRUE(fake.dialogs.shown.isEmpty());
        EXPECT_FALSE(window->isVisible());
        const QStringList saved = FamilyNamesFile::read(fake.folder);
        EXPECT_EQ(saved.at(3), fourth.text());
        EXPECT_EQ(saved.at(6), seventh.text());
    }
}

TEST_F(FamilyNamesWindowTest, AStoredNameReadsAsItsRecordHoldsIt) {
    QStringList names = someNames();
    names[0] = QString(126, 'a');
    ASSERT_EQ(FamilyNamesFile::write(fake.folder, names), RecordFile::WriteResult::Written);
    EXPECT_EQ(FamilyNamesFile::read(fake.folder).at(0), names[0]);

    // A damaged length field reads only the characters its record holds.
    QFile file(fake.file("FNames.Fil"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray("\xC8\x00", 2)); // 200
    file.close();
    EXPECT_EQ(FamilyNamesFile::read(fake.folder).at(0), QString(126, 'a'));
}

TEST_F(FamilyNamesWindowTest, AFailedWriteIsReportedAndLeavesTheOldNamesWhole) {
    ASSERT_EQ(FamilyNamesFile::write(fake.folder, someNames()), RecordFile::WriteResult::Written);
    const QByteArray before = contents();
    auto window = open();
    QStringList names = someNames();
    names[17] = "Uncle Bob";
    type(*window, names);

    {
        const FullDisk disk(1000);
        window->saveAndExitButton->click();
    }

    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(fake.dialogs.shown[0].text.startsWith("The family names could not be saved"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(contents(), before);
}

TEST_F(FamilyNamesWindowTest, TheActivationSizesAndPlacesTheWindowOverTheMainWindow) {
    QWidget main;
    main.setGeometry(100, 50, 1000, 800);
    services.mainWindow = &main;
    for (int mode : {0, 9}) {
        services.program.ScreenMode = mode;
        const QSize designed = FamilyNamesWindow(services).saveAndExitButton->size();
        auto window = open();
        EXPECT_EQ(window->size(), QSize(440, 536)) << mode;
        EXPECT_EQ(window->pos(), QPoint(100 + 500 - 220, 50 + 400 - 268 + 20)) << mode;
        EXPECT_EQ(window->saveAndExitButton->size() == designed, mode == 9) << mode;
    }
}

TEST_F(FamilyNamesWindowTest, HelpPutsTheFocusBackOnTheHighlightedBox) {
    auto window = open();
    EXPECT_TRUE(highlighted(*window, 0)); // the first box gets the focus as the window opens
    window->saveAndExitButton->setFocus(Qt::TabFocusReason);
    window->helpAction->trigger();
    EXPECT_TRUE(window->saveAndExitButton->hasFocus());

    QTest::mouseClick(window->nameBoxes[3], Qt::LeftButton);
    EXPECT_TRUE(highlighted(*window, 3));
    window->helpAction->trigger();
    EXPECT_TRUE(window->nameBoxes[3]->hasFocus());
    EXPECT_EQ(fake.help.topics, (QList<int>{1005, 1005}));

    window->saveAndExitButton->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(highlighted(*window, 3));
}

} // namespace

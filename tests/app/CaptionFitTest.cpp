// Every window of the program and every panel in it, opened as a person opens it on this screen:
// no caption is cut or covered, whatever fonts this platform has, and a screen reader reads what
// shows and nothing that another control covers, and every caption stands out from what lies
// under it.
#include "CaptionFit.h"
#include "DrawnContrast.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Panel3D.h"
#include "PrintPanelOpenings.h"
#include "PrintPreview.h"
#include "RegisterWindows.h"
#include "ScreenReader.h"
#include "Services.h"
#include "SettingsFile.h"
#include "TextContrast.h"
#include "Toolbar.h"
#include "WindowControls.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

namespace {

// Controls that draw their parts themselves, whose inner widgets are no captions of the window.
bool insideComposedControl(const QWidget& widget, const QWidget& window) {
    for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window;
         up = up->parentWidget()) {
        if (WindowControls::placesOwnParts(*up)) {
            return true;
        }
    }
    return false;
}

QString describe(const QWidget& control, const QString& text, int needed, int room) {
    return QStringLiteral("%1 %2 \"%3\" in %4 points: needs %5 pixels, has %6")
        .arg(control.metaObject()->className(), control.objectName(), text)
        .arg(control.font().pointSizeF())
        .arg(needed)
        .arg(room);
}

// The pixels a button's or an option's caption takes against the room its style leaves it, across
// and, for a caption of one line, down: its letters may touch the control's edge, but not pass it.
QString cutInButton(const QAbstractButton& button) {
    if (button.text().isEmpty()) {
        return {};
    }
    const QRect room = CaptionFit::captionRoom(button);
    const QSize needed = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
    if (needed.width() > room.width()) {
        return describe(button, button.text(), needed.width(), room.width());
    }
    const int letters = button.fontMetrics().ascent() + button.fontMetrics().descent();
    if (!button.text().contains('\n') && letters > button.height()) {
        return describe(button, button.text(), letters, button.height()) + " high";
    }
    return {};
}

// A 3-D panel's caption, wrapped at its blanks, against the panel's inside: its letters may reach
// into the margin round it, not past the bevel.
QString cutInPanel(const Panel3D& panel) {
    const QString shown = panel.shownText();
    if (shown.isEmpty()) {
        return {};
    }
    const QSize needs = panel.captionNeeds();
    if (needs.width() > panel.captionArea().width()) {
        return describe(panel, shown, needs.width(), panel.captionArea().width());
    }
    if (needs.height() > panel.contentsRect().height()) {
        return describe(panel, shown, needs.height(), panel.contentsRect().height()) + " high";
    }
    return {};
}

// What is cut in one control; empty when its whole text shows.
QString cutIn(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control);
        button != nullptr && qobject_cast<const QToolButton*>(button) == nullptr) {
        return cutInButton(*button);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText) {
            return {};
        }
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            return needed <= label->height()
                       ? QString()
                       : describe(control, label->text(), needed, label->height()) + " high";
        }
        const int needed = label->sizeHint().width();
        return needed <= label->width() ? QString()
                                        : describe(control, label->text(), needed, label->width());
    }
    if (const auto* panel = qobject_cast<const Panel3D*>(&control)) {
        return cutInPanel(*panel);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        const int needed = frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title()).width();
        return frame->title().isEmpty() || needed <= frame->width()
                   ? QString()
                   : describe(control, frame->title(), needed, frame->width());
    }
    if (const auto* calendar = qobject_cast<const QCalendarWidget*>(&control);
        calendar != nullptr && calendar->isVisibleTo(calendar->window())) {
        // Narrower than it asks, the calendar shortens its day names.
        const int needed = calendar->sizeHint().width();
        return needed <= calendar->width()
                   ? QString()
                   : describe(control, "day names", needed, calendar->width());
    }
    return {};
}

// A shown control that reaches past the area of a container it stands in loses what is outside.
QString outsideContainer(const QWidget& control, const QWidget& window) {
    const QWidget* container = control.parentWidget();
    QRect rect = control.geometry();
    for (; container != nullptr && container != &window; container = container->parentWidget()) {
        if (!container->rect().contains(rect)) {
            return QStringLiteral("%1 %2 reaches past %3 %4")
                .arg(control.metaObject()->className(), control.objectName(),
                     container->metaObject()->className(), container->objectName());
        }
        rect.translate(container->pos());
    }
    return {};
}

// Where a control's caption stands, in its container's coordinates; empty for no caption.
QRect captionArea(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        if (button->text().isEmpty() || qobject_cast<const QToolButton*>(button) != nullptr) {
            return {};
        }
        const QRect room = CaptionFit::captionRoom(*button);
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        const int left = qobject_cast<const QPushButton*>(button) != nullptr
                             ? room.center().x() - text.width() / 2
                             : room.left();
        const int top = room.center().y() - text.height() / 2;
        return QRect(left, top, text.width(), text.height())
            .intersected(control.rect())
            .translated(control.pos());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control);
        frame && !frame->title().isEmpty()) {
        const QSize title = frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title());
        return QRect(control.x(), control.y(), std::min(title.width() + 16, control.width()),
                     title.height());
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control);
        label != nullptr && !label->text().isEmpty()) {
        if (label->textFormat() == Qt::RichText || label->wordWrap()) {
            return control.geometry();
        }
        const QSize text = label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
        return QStyle::alignedRect(label->layoutDirection(), label->alignment(), text,
                                   label->contentsRect())
            .intersected(control.rect())
            .translated(control.pos());
    }
    return {};
}

// Whether a control's rectangle covers part of a caption's: a pixel's edge that rounding leaves
// the two sharing is the blank beside the letters.
bool covers(const QRect& control, const QRect& caption) {
    const QRect shared = control.intersected(caption);
    return shared.width() > 1 && shared.height() > 1;
}

// A shown control stacked above another one's caption covers part of it: a sibling made or raised
// after it, or a control inside a frame that reaches into the frame's title.
QStringList coveredCaptions(const QWidget& window) {
    QStringList covered;
    const auto containers = window.findChildren<QWidget*>();
    for (const QWidget* container : containers) {
        if (!container->isVisibleTo(&window) || insideComposedControl(*container, window) ||
            WindowControls::placesOwnParts(*container)) {
            continue;
        }
        const auto siblings = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype below = 0; below < siblings.size(); ++below) {
            const QWidget& control = *siblings[below];
            const QRect caption = captionArea(control);
            if (caption.isEmpty() || control.isWindow() || !control.isVisibleTo(&window)) {
                continue;
            }
            for (qsizetype above = below + 1; above < siblings.size(); ++above) {
                const QWidget& other = *siblings[above];
                if (!other.isWindow() && other.isVisibleTo(&window) &&
                    covers(other.geometry(), caption)) {
                    covered.append(QStringLiteral("%1 %2 covers \"%3\" of %4")
                                       .arg(other.metaObject()->className(), other.objectName(),
                                            control.property("text").toString() +
                                                control.property("title").toString(),
                                            control.objectName()));
                }
            }
            if (qobject_cast<const QGroupBox*>(&control) == nullptr) {
                continue;
            }
            const QRect title = caption.translated(-control.pos());
            for (const QWidget* inside :
                 control.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (inside->isVisibleTo(&window) && covers(inside->geometry(), title)) {
                    covered.append(QStringLiteral("%1 %2 reaches into the title \"%3\"")
                                       .arg(inside->metaObject()->className(), inside->objectName(),
                                            static_cast<const QGroupBox&>(control).title()));
                }
            }
        }
    }
    return covered;
}

// Controls standing over a shown print preview's corner hide none of the page.
QStringList pageCovered(const QWidget& window) {
    QStringList covered;
    for (const PrintPreview* preview : window.findChildren<PrintPreview*>()) {
        if (!preview->isVisibleTo(&window) || preview->layout().pageCount() == 0) {
            continue;
        }
        const QRect page = preview->pageRect(1).toAlignedRect().translated(
            preview->viewport()->mapTo(preview->parentWidget(), QPoint(0, 0)));
        // What is stacked above the preview: the children after it.
        const QWidgetList siblings =
            preview->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype above = siblings.indexOf(preview) + 1; above < siblings.size(); ++above) {
            const QWidget* over = siblings[above];
            if (over->isVisibleTo(&window) && over->geometry().intersects(page)) {
                covered.append(QStringLiteral("%1 %2 covers the previewed page")
                                   .arg(over->metaObject()->className(), over->objectName()));
            }
        }
    }
    return covered;
}

QStringList cutCaptions(const QWidget& window) {
    QStringList cuts;
    const auto controls = window.findChildren<QWidget*>();
    // A hidden panel lays its controls out as it will show them, at least as large as they ask.
    for (QWidget* control : controls) {
        if (QLayout* layout = control->layout(); layout != nullptr && !control->isVisible()) {
            control->resize(control->size().expandedTo(layout->minimumSize()));
            layout->activate();
        }
    }
    for (const QWidget* control : controls) {
        if (control->isWindow() || insideComposedControl(*control, window)) {
            continue;
        }
        if (const QString cut = cutIn(*control); !cut.isEmpty()) {
            cuts.append(cut);
        }
        if (qobject_cast<const QCalendarWidget*>(control) && control->isVisibleTo(&window)) {
            if (const QString cut = outsideContainer(*control, window); !cut.isEmpty()) {
                cuts.append(cut);
            }
        }
    }
    return cuts + coveredCaptions(window) + pageCovered(window);
}

// The control drawn on top at a point of the window, whether it takes the mouse or not.
const QWidget* drawnOnTop(const QWidget& window, QPoint point) {
    const QWidget* top = &window;
    for (bool deeper = true; deeper;) {
        deeper = false;
        const QObjectList& children = top->children(); // bottom to top
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            const auto* control = qobject_cast<const QWidget*>(*child);
            if (control != nullptr && !control->isWindow() && control->isVisible() &&
                control->geometry().contains(top->mapFrom(&window, point))) {
                top = control;
                deeper = true;
                break;
            }
        }
    }
    return top;
}

// Whether some of the control can be seen: a point of its middle or near its corners where the
// window shows it or one of its own controls.
bool seenSomewhere(QWidget& control, QWidget& window) {
    const QRect inside = control.rect().adjusted(2, 2, -2, -2);
    for (const QPoint point : {inside.center(), inside.topLeft(), inside.topRight(),
                               inside.bottomLeft(), inside.bottomRight()}) {
        const QWidget* top = drawnOnTop(window, control.mapTo(&window, point));
        if (top == &control || control.isAncestorOf(top)) {
            return true;
        }
    }
    return false;
}

// What a screen reader reads as showing although nothing of it can be seen, and the buttons it
// reads with no name.
QStringList misread(QWidget& window) {
    QStringList faults;
    for (QAccessibleInterface* object : objectsReadAsShowing(&window)) {
        auto* control = qobject_cast<QWidget*>(object->object());
        if (control == nullptr || control == &window || control->isWindow() ||
            control->rect().width() <= 4 || control->rect().height() <= 4) {
            continue;
        }
        const QString what = QStringLiteral("%1 %2 \"%3\"")
                                 .arg(control->metaObject()->className(), control->objectName(),
                                      object->text(QAccessible::Name));
        if (!seenSomewhere(*control, window)) {
            faults.append(what + " is covered");
        }
        if (object->role() == QAccessible::Button && object->text(QAccessible::Name).isEmpty()) {
            faults.append(what + " has no name");
        }
    }
    return faults;
}

// Every caption of an enabled control that shows, against what lies under it as drawn (a push
// button's face: its button colour): the control's text colour, or for a 3-D panel (which picks
// its own) the colour of its letters as drawn, stands out at least as far as ordinary text must.
QStringList unreadableCaptions(QWidget& window) {
    QStringList faults;
    const QImage image = window.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->isWindow() || !control->isVisible() || !control->isEnabled() ||
            insideComposedControl(*control, window) || !seenSomewhere(*control, window)) {
            continue;
        }
        auto* panel = qobject_cast<Panel3D*>(control);
        QRect caption = panel != nullptr && !panel->shownText().isEmpty()
                            ? panel->captionArea().translated(control->pos())
                            : captionArea(*control);
        if (caption.isEmpty()) {
            continue;
        }
        // In the picture; the ground is looked for a little around the letters too, as large
        // bold letters can cover most of their own box.
        const auto inPicture = [&](const QRect& area) {
            const QPoint at = control->parentWidget()->mapTo(&window, area.topLeft());
            return QRect((QPointF(at) * scale).toPoint(), (QSizeF(area.size()) * scale).toSize())
                .intersected(image.rect());
        };
        // A push button's ground is its face, which the style draws shaded in the button colour.
        const QColor under =
            qobject_cast<QPushButton*>(control) != nullptr
                ? control->palette().color(QPalette::Button)
                : groundOf(
                      image,
                      inPicture(caption.adjusted(-4, -4, 4, 4).intersected(control->geometry())));
        caption = inPicture(caption);
        const double contrast =
            panel != nullptr
                ? drawnContrast(image, caption, under)
                : TextContrast::ratio(control->palette().color(control->foregroundRole()), under);
        if (contrast < TextContrast::kReadable) {
            faults.append(QStringLiteral("%1 %2 \"%3\": %4:1 on %5")
                              .arg(control->metaObject()->className(), control->objectName(),
                                   control->property("text").toString() +
                                       control->property("title").toString() +
                                       (panel != nullptr ? panel->shownText() : QString()))
                              .arg(contrast, 0, 'f', 2)
                              .arg(under.name()));
        }
    }
    return faults;
}

// A window and how a person opens it; the main window itself has no opening. Some are looked at
// with a panel opened inside them, over files that give it something to show.
struct Opening {
    const char* name;
    std::function<void(MainWindow&, Services&)> open;
    std::function<void(QWidget& window)> inside = nullptr;
    std::function<void(FakePlatform&)> files = nullptr;
};

void PrintTo(const Opening& opening, std::ostream* out) {
    *out << opening.name;
}

std::function<void(MainWindow&, Services&)> toolbarButton(int number) {
    return [number](MainWindow& main, Services&) { main.toolbar->button(number)->trigger(); };
}

// The smaller display shows every window at its design size; the full screen scales it to the
// screen.
enum class Display { Smaller, FullScreen };

using Case = std::tuple<Opening, Display>;

class EveryWindow : public ::testing::TestWithParam<Case> {
protected:
    EveryWindow() {
        EXPECT_TRUE(fake.folder.install(QStringLiteral(KORVANE_SHIPPED_DATA_DIR)));
        registerWindows(services.windows);
    }

    // The main window, loaded and shown in the display asked for.
    std::unique_ptr<MainWindow> showMainWindow(Display display) {
        settingsFile(fake.folder, SettingsFile::GColor3)
            .writeText(35, display == Display::Smaller ? "Yes" : "No");
        auto main = std::make_unique<MainWindow>(services);
        main->Form_Load();
        main->show();
        settle();
        return main;
    }

    // What find finds in the window opened as a person opens it, once it is active.
    QStringList findInOpened(const Opening& opening, Display display,
                             const std::function<QStringList(QWidget&)>& find) {
        const std::unique_ptr<MainWindow> main = showMainWindow(display);
        bool opened = opening.open == nullptr;
        QStringList found = opened ? find(*main) : QStringList();
        if (opening.files) {
            opening.files(fake);
        }
        fake.modal.scripts.push_back([&](QWidget& window) {
            settle();
            window.activateWindow();
            settle();
            if (opening.inside) {
                opening.inside(window);
                settle();
            }
            opened = true;
            found = find(window);
        });
        if (opening.open) {
            opening.open(*main, services);
        }
        settle();
        EXPECT_TRUE(opened) << opening.name << " did not open";
        return found;
    }

    FakePlatform fake;
    Services services{fake.platform};
};

TEST_P(EveryWindow, ShowsEveryCaptionWhole) {
    const auto& [opening, display] = GetParam();
    const QStringList cuts =
        findInOpened(opening, display, [](const QWidget& window) { return cutCaptions(window); });
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_TRUE(cuts.isEmpty()) << opening.name << " on a screen of " << screen.width() << " by "
                                << screen.height() << ":\n"
                                << cuts.join('\n').toStdString();
}

TEST_P(EveryWindow, ReadsWhatShowsAndNothingCovered) {
    const auto& [opening, display] = GetParam();
    const QStringList faults = findInOpened(opening, display, misread);
    EXPECT_TRUE(faults.isEmpty()) << opening.name << ":\n" << faults.join('\n').toStdString();
}

TEST_P(EveryWindow, DrawsEveryCaptionReadableOnWhatLiesUnderIt) {
    const auto& [opening, display] = GetParam();
    const QStringList faults = findInOpened(opening, display, unreadableCaptions);
    EXPECT_TRUE(faults.isEmpty()) << opening.name << ":\n" << faults.join('\n').toStdString();
}

const Opening kOpenings[] = {
    {"Main", nullptr},
    {"Crossword", toolbarButton(2)},
    {"Quotes", toolbarButton(3)},
    {"Hangman", toolbarButton(4)},
    {"Quiz", toolbarButton(5)},
    {"MatchingLevel1", toolbarButton(6)},
    {"MatchingLevel2", toolbarButton(7)},
    {"Scrambler", toolbarButton(8)},
    {"Birthyear", toolbarButton(9)},
    {"GeneralThoughts", toolbarButton(10)},
    {"HumorousThoughts", toolbarButton(11)},
    {"Planner", toolbarButton(12)},
    {"ToDo", toolbarButton(13)},
    {"Dates", toolbarButton(14)},
    {"Calendar", toolbarButton(15)},
    {"FamilyNames", toolbarButton(16)},
    {"SoundInformation", toolbarButton(17)},
    {"About", [](MainWindow& main, Services&) { main.aboutAction->trigger(); }},
    {"Backup",
     [](MainWindow&, Services& services) {
         const auto window = services.windows.create(WindowCatalog::kBackupWindow, services);
         services.modal.showModal(*window);
     }},
};

// The name of a case: the window and the display.
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    const bool smaller = std::get<Display>(info.param) == Display::Smaller;
    return std::string(std::get<Opening>(info.param).name) +
           (smaller ? "SmallerDisplay" : "FullScreen");
}

// The windows, then the print panels in theirs.
std::vector<Opening> everyOpening() {
    std::vector<Opening> openings(std::begin(kOpenings), std::end(kOpenings));
    for (const PrintPanelOpening& print : printPanelOpenings()) {
        openings.push_back({print.name, toolbarButton(print.toolbarButton),
                            [print](QWidget& window) { print.open(window); }, print.files});
    }
    return openings;
}

INSTANTIATE_TEST_SUITE_P(, EveryWindow,
                         ::testing::Combine(::testing::ValuesIn(everyOpening()),
                                            ::testing::Values(Display::Smaller,
                                                              Display::FullScreen)),
                         caseName);

} // namespace

#include "FakePlatform.h"

#include "InputDropped.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QWidget>

namespace {

// The next scripted answer, or nothing (a cancelled box) when the script has run out.
template <typename T> std::optional<T> nextAnswer(std::deque<std::optional<T>>& script) {
    if (script.empty()) {
        return std::nullopt;
    }
    auto answer = script.front();
    script.pop_front();
    return answer;
}

} // namespace

Dialogs::Answer FakeDialogs::message(const Message& message) {
    shown.append(message);
    if (onShow) {
        onShow(message);
    }
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QStringList FakeDialogs::shownTexts() const {
    QStringList texts;
    for (const Message& box : shown) {
        texts.append(box.text);
    }
    return texts;
}

std::optional<QString> FakeDialogs::input(const QString& prompt, const QString&, const QString&) {
    prompts.append(prompt);
    if (onInput) {
        onInput(prompt);
    }
    return nextAnswer(inputs);
}

std::optional<QColor> FakeDialogs::chooseColor(const QColor& initial) {
    colorInitials.append(initial);
    return nextAnswer(colors);
}

std::optional<Dialogs::FontChoice> FakeDialogs::chooseFont(const FontChoice& initial,
                                                           FontList list) {
    fontInitials.append(initial);
    fontLists.append(list);
    return nextAnswer(fonts);
}

void FakeModalShower::showModal(QWidget& window) {
    shownClasses.append(window.metaObject()->className());
    window.show();
    if (!scripts.empty()) {
        auto script = std::move(scripts.front());
        scripts.pop_front();
        script(window);
    }
    window.close();
}

void FakeClock::waitUntil(const QDateTime& moment) {
    waits.append(moment);
    {
        // As the system clock's wait does: what is pending is handled, what is typed dropped.
        const InputDropped dropped;
        QCoreApplication::processEvents();
    }
    if (current < moment) {
        current = moment;
    }
}

double FakeRandom::Rnd() {
    if (draws.empty()) {
        return 0.0;
    }
    const double draw = draws.front();
    draws.pop_front();
    return draw;
}

QByteArray MemoryRegistry::value(const QString& key, const QString& subKey,
                                 const QString& name) const {
    return values.value(key + '/' + subKey + '/' + name);
}

void MemoryRegistry::setValue(const QString& key, const QString& subKey, const QString& name,
                              const QByteArray& value) {
    values.insert(key + '/' + subKey + '/' + name, value);
}

std::optional<QString> FakePrinter::fontFor(const QString& family) {
    fontRequests.append(family);
    if (refusedFonts.contains(family)) {
        return std::nullopt;
    }
    return fonts.value(family, family);
}

QString FakePrinter::substituteFor(const QString& family) {
    fontRequests.append(family);
    return substitute;
}

bool FakePrinter::pageSetup(QPageLayout& layout, QWidget*) {
    if (setups.empty() || !setups.front()) {
        if (!setups.empty()) {
            setups.pop_front();
        }
        return false;
    }
    layout = *setups.front();
    setups.pop_front();
    return true;
}

Printer::Result FakePrinter::print(const Job& job, QWidget*) {
    jobs.append({job.title, job.pageCount});
    Result result = Result::Printed;
    if (!results.empty()) {
        result = results.front();
        results.pop_front();
    }
    if (result != Result::Printed || pdfFile.isEmpty()) {
        return result;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return printJob(printer, job);
}

FakePlatform::FakePlatform()
    : folder(directory.path()), platform{dialogs, modal, clock, random,    registry, folder,
                                         sound,   help,  web,   clipboard, printer,  medium} {}

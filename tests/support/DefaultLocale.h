#pragma once

#include <QLocale>

// While it lives, the default locale is the one given; then the one before it comes back, so a
// test under a German desktop leaves the next test the locale it found.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale saved_ = QLocale();
};

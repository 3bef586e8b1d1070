#pragma once

#include <array>

// The 42 built-in quotes, by quote number - 1. A quote's text is its words joined and framed by
// "*" ("*Slow*and*steady.*"), each word with the capitals and punctuation it is shown with; the
// word count is the number of words, as text.
struct BuiltInQuote {
    const char* text;
    const char* wordCount;
    const char* author;
};

constexpr int kQuoteCount = 42;

extern const std::array<BuiltInQuote, kQuoteCount> kBuiltInQuotes;

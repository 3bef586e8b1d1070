#include "TextMeasure.h"

#include <QFontMetricsF>

#include <list>

namespace {

// Unhinted outlines scale in proportion, so one size measures every size. The font engine keeps
// a glyph's metrics only while the glyph is at most 255 pixels wide and high; past that every
// measurement loads the glyph's outline again, which costs several times as much for an OpenType
// face of PostScript outlines (CFF) as for a TrueType one. At 200 pixels the glyphs of text stay
// under that, and advances, kept in 64ths of a pixel, are still exact to 1/12,800 of the size.
constexpr int kReferencePixels = 200;

} // namespace

QFont referenceFont(const PrintFont& font) {
    QFont qfont(font.name);
    qfont.setPixelSize(kReferencePixels);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeout);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setKerning(false);
    return qfont;
}

double referenceScale(const PrintFont& font) {
    return font.size * PrintUnits::kTwipsPerPoint / kReferencePixels;
}

namespace {

// Resolving a font takes longer than measuring with it: the last few fonts stay resolved.
const QFontMetricsF& referenceMetrics(PrintFont font) {
    font.size = 0; // one entry for every size
    // Never destroyed: fonts may not outlive the application object.
    static auto& recent = *new std::list<std::pair<PrintFont, QFontMetricsF>>;
    for (auto it = recent.begin(); it != recent.end(); ++it) {
        if (it->first == font) {
            recent.splice(recent.begin(), recent, it);
            return recent.front().second;
        }
    }
    recent.emplace_front(font, QFontMetricsF(referenceFont(font)));
    if (recent.size() > 8) {
        recent.pop_back();
    }
    return recent.front().second;
}

} // namespace

namespace TextMeasure {

double width(const PrintFont& font, const QString& text) {
    return text.isEmpty() ? 0
                          : referenceMetrics(font).horizontalAdvance(text) * referenceScale(font);
}

double lineHeight(const PrintFont& font) {
    return referenceMetrics(font).height() * referenceScale(font);
}

double ascent(const PrintFont& font) {
    return referenceMetrics(font).ascent() * referenceScale(font);
}

} // namespace TextMeasure

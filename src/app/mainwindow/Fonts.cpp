#include "mainwindow/Fonts.h"

#include "mainwindow/QtText.h"
#include "mainwindow/Rounding.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace qor::app {
void InstallFontSubstitutions() {
    // Liberation fonts share the metrics of Arial and Courier New; Tahoma is close to
    // Liberation Sans in width, DejaVu is the fallback that every Debian desktop has.
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    const QStringList mono = {QStringLiteral("Liberation Mono"),
                              QStringLiteral("DejaVu Sans Mono")};
    for (const char* name : {"tahoma", "arial", "verdana", "microsoft sans serif", "ms sans serif"})
        QFont::insertSubstitutions(QString::fromLatin1(name), sans);
    for (const char* name : {"courier new", "courier"})
        QFont::insertSubstitutions(QString::fromLatin1(name), mono);
}

QFont CellQFont(const CellFont& font) {
    // Painting asks for the same few fonts thousands of times.
    static QHash<QString, QFont> cache;
    const QString key = QString::fromStdString(font.Name) + QLatin1Char('/') +
                        QString::number(font.Size) +
                        (font.Bold ? QLatin1String("b") : QLatin1String(""));
    const auto it = cache.constFind(key);
    if (it != cache.constEnd()) return *it;
    QFont f(QString::fromStdString(font.Name));
    f.setPointSize(font.Size > 0 ? font.Size : 8);
    f.setBold(font.Bold);
    if (font.Name == "courier new" || font.Name == "courier")
        f.setStyleHint(QFont::Monospace);
    else
        f.setStyleHint(QFont::SansSerif);
    cache.insert(key, f);
    return f;
}

QFont MainFont(double zoomFactor) {
    CellFont f;
    f.Size = RoundHalfEven(8 * zoomFactor);
    return CellQFont(f);
}

int CellTextWidth(const std::string& cp1254, const CellFont& font) {
    // Fitting the columns and drawing them measure the same few texts (numbers, names,
    // titles) over and over; shaping each again is the expensive part. Bounded, since the
    // texts of every table the user opens pass through here.
    static std::unordered_map<std::string, int> widths;
    std::string key;
    key.reserve(font.Name.size() + cp1254.size() + 8);
    key.append(font.Name).append(1, '\0').append(std::to_string(font.Size));
    key.append(1, font.Bold ? 'b' : 'r').append(cp1254);
    if (const auto it = widths.find(key); it != widths.end()) return it->second;
    const int width = QFontMetrics(CellQFont(font)).horizontalAdvance(ToQt(cp1254));
    if (widths.size() >= 8192) widths.clear();
    widths.emplace(std::move(key), width);
    return width;
}

double FontWidthFactor(double zoomFactor) {
    // Two samples as an 8-point Tahoma draws them at 96 dots per inch: every digit 6 pixels
    // wide, the lower-case alphabet 134 pixels. Numbers and names must both fit, so the wider
    // of the two ratios counts.
    struct Sample {
        const char* text;
        double designWidth;
    };
    constexpr Sample samples[] = {{"0123456789", 60.0}, {"abcdefghijklmnopqrstuvwxyz", 134.0}};
    CellFont font;
    font.Size = RoundHalfEven(8 * zoomFactor);
    const QFontMetricsF metrics(CellQFont(font));
    double factor = 0;
    for (const Sample& s : samples)
        factor = std::max(factor, metrics.horizontalAdvance(QString::fromLatin1(s.text)) /
                                      (s.designWidth * zoomFactor));
    return factor;
}

} // namespace qor::app

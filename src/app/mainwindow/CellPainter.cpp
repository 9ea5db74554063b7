#include "mainwindow/CellPainter.h"

#include "mainwindow/Fonts.h"
#include "mainwindow/QtText.h"

#include <QPainter>
#include <QPolygon>

namespace qor::app {

QImage PictureImage(const ThemePalette& palette, CellPicture picture) {
    const std::array<Colour, GradientStripHeight>* rows = nullptr;
    switch (picture) {
    case CellPicture::Sel:
        rows = &palette.SelBitmap;
        break;
    case CellPicture::Odd:
        rows = &palette.OddBitmap;
        break;
    case CellPicture::Even:
        rows = &palette.EvenBitmap;
        break;
    case CellPicture::Highlight:
        rows = &palette.HighlightBitmap;
        break;
    case CellPicture::None:
        return {};
    }
    QImage image(1, GradientStripHeight, QImage::Format_RGB32);
    for (int y = 0; y < GradientStripHeight; ++y)
        image.setPixel(0, y, 0xFF000000u | (*rows)[static_cast<std::size_t>(y)]);
    return image;
}

void DrawPicture(QPainter& painter, const QRect& rect, const ThemePalette& palette,
                 CellPicture picture) {
    if (picture == CellPicture::None || rect.isEmpty()) return;
    // The four pictures change only with the palette: keep the last palette's images.
    static ThemePalette cachedFor;
    static std::array<QImage, 5> images;
    if (cachedFor.SelBitmap != palette.SelBitmap || cachedFor.OddBitmap != palette.OddBitmap ||
        cachedFor.EvenBitmap != palette.EvenBitmap ||
        cachedFor.HighlightBitmap != palette.HighlightBitmap || images[1].isNull()) {
        cachedFor = palette;
        for (auto p :
             {CellPicture::Sel, CellPicture::Odd, CellPicture::Even, CellPicture::Highlight})
            images[static_cast<std::size_t>(p)] = PictureImage(palette, p);
    }
    // Stretched without smoothing: every pixel row keeps its colour.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect, images[static_cast<std::size_t>(picture)]);
    painter.restore();
}

void PaintCell(QPainter& painter, const QRect& rect, const CellStyle& style, const QString& text,
               const ThemePalette& palette) {
    if (!style.Visible || rect.isEmpty()) return;
    painter.save();
    painter.setClipRect(rect);
    if (style.TransparentBrush && style.Picture != CellPicture::None)
        DrawPicture(painter, rect, palette, style.Picture);
    else
        painter.fillRect(rect, ToQColor(style.Brush));

    if (!text.isEmpty()) {
        painter.setFont(CellQFont(style.Font));
        painter.setPen(ToQColor(style.Text));
        const QRect textRect(style.TextX, style.TextY, rect.right() + 1 - style.TextX + 1000,
                             rect.height() + 20);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    if (style.Marker) {
        const FilterMarker& m = *style.Marker;
        QPolygon triangle;
        for (const auto& [x, y] : m.Points)
            triangle << QPoint(x, y);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(ToQColor(m.Pen));
        painter.setBrush(ToQColor(m.Brush));
        painter.drawPolygon(triangle);
    }
    for (const CellLine& line : style.Lines) {
        painter.setPen(ToQColor(line.Pen));
        // The end point is not part of the line, as in the drawing it follows.
        const int dx = line.X2 > line.X1 ? -1 : 0;
        const int dy = line.Y2 > line.Y1 ? -1 : 0;
        painter.drawLine(line.X1, line.Y1, line.X2 + dx, line.Y2 + dy);
    }
    painter.restore();
}

} // namespace qor::app

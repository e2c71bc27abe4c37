#include "qt/FormPainter.h"

#include "qt/Colours.h"
#include "qt/Twips.h"

#include <QPen>

namespace nonagra::qt {

void FormPainter::paint(const form::Label& label, const QRectF& outer, Qt::Edges underLines) {
    if (label.Style == form::BackStyle::Opaque) {
        painter_.fillRect(outer, toQColor(label.BackColor.get()));
    }
    QRectF inner = outer;
    if (label.Border == form::BorderStyle::FixedSingle) {
        const double w = deviceWidth(1, dpr_) / dpr_;
        const QColor black = toQColor(form::colours::Black);
        const auto side = [&](Qt::Edge edge, const QRectF& band) {
            if (!underLines.testFlag(edge)) {
                painter_.fillRect(band, black);
            }
        };
        side(Qt::TopEdge, QRectF(outer.left(), outer.top(), outer.width(), w));
        side(Qt::BottomEdge, QRectF(outer.left(), outer.bottom() - w, outer.width(), w));
        side(Qt::LeftEdge, QRectF(outer.left(), outer.top(), w, outer.height()));
        side(Qt::RightEdge, QRectF(outer.right() - w, outer.top(), w, outer.height()));
        inner = outer.adjusted(w, w, -w, -w);
    }
    const std::string& caption = label.Caption;
    if (caption.empty() || !dirty_.intersects(inner.toAlignedRect())) {
        return;
    }
    int flags = Qt::AlignTop;
    flags |= label.Align == form::Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    if (label.WordWrap) {
        flags |= Qt::TextWordWrap;
    }
    if (const QFont& font = fonts_.font(label.TextFont); &font != font_) {
        painter_.setFont(font);
        font_ = &font;
    }
    painter_.setPen(toQColor(label.ForeColor.get(), palette_, label.Enabled));
    painter_.save();
    painter_.setClipRect(inner, Qt::IntersectClip);
    painter_.drawText(inner, flags, QString::fromStdString(caption));
    painter_.restore();
}

void FormPainter::paint(const form::Line& line) {
    const int pen = deviceWidth(line.WidthPixels, dpr_);
    const auto centre = [&](int twips) { return (lineStart(twips, pen, dpr_) + pen / 2.0) / dpr_; };
    QPen stroke(toQColor(line.LineColour, palette_));
    stroke.setWidthF(pen / dpr_);
    stroke.setCapStyle(Qt::SquareCap);
    painter_.setPen(stroke);
    painter_.drawLine(QPointF(centre(line.From.X), centre(line.From.Y)),
                      QPointF(centre(line.To.X), centre(line.To.Y)));
}

} // namespace nonagra::qt

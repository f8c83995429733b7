// SPDX-License-Identifier: GPL-3.0-or-later

#include "helppanel.h"

#include "spoken.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <tuple>

namespace {

// Dark blue on white: far above 3:1 against the bar's empty parts and the
// panel alike; the text is black on white.
const QColor coloured(30, 90, 200);
const QColor outline(40, 40, 40);
// Dividing lines closer than this, in pixels, would run together.
constexpr qreal closestLines = 4;
// A stacked fraction's terms are a little smaller than the words around it.
constexpr qreal termScale = 0.85;
// However small the room, a text stays this big; past it, it is cut off.
constexpr qreal smallestPoints = 6;

using Text = HelpDrawing::Text;

QFont scaled(QFont font, qreal factor)
{
    font.setPointSizeF(std::max(smallestPoints, font.pointSizeF() * factor));
    return font;
}

// A piece of a written line: a word, or a fraction to write stacked.
struct Token
{
    QString text;
    QString numerator;
    QString denominator;
    bool isFraction() const { return !numerator.isEmpty(); }
};
using Word = std::vector<Token>;

std::vector<Word> words(const QString &line)
{
    static const QRegularExpression fraction(QStringLiteral("(\\d+)/(\\d+)"));
    std::vector<Word> result;
    for (const QString &text : line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Word word;
        qsizetype from = 0;
        QRegularExpressionMatchIterator found = fraction.globalMatch(text);
        while (found.hasNext()) {
            const QRegularExpressionMatch match = found.next();
            if (match.capturedStart() > from)
                word.push_back({text.mid(from, match.capturedStart() - from), {}, {}});
            word.push_back({{}, match.captured(1), match.captured(2)});
            from = match.capturedEnd();
        }
        if (from < text.size())
            word.push_back({text.mid(from), {}, {}});
        result.push_back(word);
    }
    return result;
}

// Written lines laid out in a width, wrapped between words, each row as
// tall as its tallest piece and centred on it.
struct Flow
{
    std::vector<Text> texts;
    std::vector<QLineF> bars;
    qreal height = 0;
    qreal width = 0;
    // Some word is wider than the room.
    bool overflows = false;
};

Flow flow(const QStringList &lines, const QFont &font, qreal width, const QPointF &at, qreal zoom)
{
    const QFontMetricsF metrics(font);
    const QFont termFont = scaled(font, termScale);
    const QFontMetricsF terms(termFont);
    const qreal space = metrics.horizontalAdvance(QLatin1Char(' '));
    const qreal gap = 3 * zoom;
    const auto tokenWidth = [&](const Token &token) {
        return token.isFraction() ? std::max(terms.horizontalAdvance(token.numerator),
                                             terms.horizontalAdvance(token.denominator))
                + 2 * zoom
                                  : metrics.horizontalAdvance(token.text);
    };
    const qreal fractionHeight = 2 * terms.height() + gap;

    Flow laid;
    struct Placed
    {
        const Token *token;
        qreal x;
        qreal width;
    };
    std::vector<std::vector<Word>> lineWords;
    for (const QString &line : lines)
        lineWords.push_back(words(line));
    qreal top = at.y();
    std::vector<Placed> row;
    bool rowHasFraction = false;
    const auto endRow = [&] {
        const qreal height = rowHasFraction ? fractionHeight : metrics.height();
        const qreal middle = top + height / 2;
        for (const Placed &piece : row) {
            if (piece.token->isFraction()) {
                laid.texts.push_back({QRectF(piece.x, middle - gap / 2 - terms.height(),
                                             piece.width, terms.height()),
                                      piece.token->numerator, termFont, Qt::black});
                laid.texts.push_back(
                    {QRectF(piece.x, middle + gap / 2, piece.width, terms.height()),
                     piece.token->denominator, termFont, Qt::black});
                laid.bars.emplace_back(piece.x + zoom, middle, piece.x + piece.width - zoom,
                                       middle);
            } else {
                laid.texts.push_back(
                    {QRectF(piece.x, middle - metrics.height() / 2, piece.width, metrics.height()),
                     piece.token->text, font, Qt::black});
            }
        }
        top += height + metrics.leading() + zoom;
        row.clear();
        rowHasFraction = false;
    };
    for (const std::vector<Word> &line : lineWords) {
        qreal x = 0;
        for (const Word &word : line) {
            qreal wordWidth = 0;
            for (const Token &token : word)
                wordWidth += tokenWidth(token);
            if (!row.empty() && x + space + wordWidth > width) {
                endRow();
                x = 0;
            }
            if (!row.empty())
                x += space;
            laid.overflows = laid.overflows || wordWidth > width;
            for (const Token &token : word) {
                const qreal w = tokenWidth(token);
                row.push_back({&token, at.x() + x, w});
                rowHasFraction = rowHasFraction || token.isFraction();
                x += w;
            }
            laid.width = std::max(laid.width, x);
        }
        endRow();
    }
    laid.height = top - at.y();
    return laid;
}

// A label in a space, aligned in it, when it fits.
std::optional<Text> fitted(const QString &text, const QFont &font, const QColor &colour,
                           const QRectF &space, Qt::Alignment align, qreal zoom)
{
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text) + 4 * zoom;
    if (width > space.width() || metrics.height() > space.height())
        return std::nullopt;
    QRectF rect(0, 0, width, metrics.height());
    rect.moveCenter(space.center());
    if (align & Qt::AlignLeft)
        rect.moveLeft(space.left());
    else if (align & Qt::AlignRight)
        rect.moveRight(space.right());
    return Text {rect, text, font, colour};
}

// The coloured and the white parts of a bar too finely cut to draw each
// part: two lengths, each labelled with what it counts. A label that does
// not fit its own length goes beside it, pointing at it; in a bar too
// short for words, the numbers alone ("2 × 70", "2").
bool labelLengths(HelpDrawing::BarShape &shape, const Bar &bar, const QFont &font, qreal zoom,
                  bool mayPoint, bool brief)
{
    const bool valued = !bar.partLabel.isEmpty() && bar.partLabel != QLatin1String("?");
    const int white = bar.parts - bar.coloured;
    QString colouredText =
        brief ? QString::number(bar.coloured) : counted(bar.coloured, Counted::Part);
    if (valued)
        colouredText += (brief ? QStringLiteral(" × ") : QStringLiteral(" da ")) + bar.partLabel;
    const QString whiteText = !bar.missingLabel.isEmpty() ? bar.missingLabel
        : brief                                           ? QString::number(white)
                                                          : counted(white, Counted::Part);
    const QRectF &place = shape.outline;
    const QRectF colouredSpace = shape.coloured;
    const QRectF whiteSpace(shape.coloured.right(), place.top(),
                            place.right() - shape.coloured.right(), place.height());
    const bool hasColoured = bar.coloured > 0;
    const bool hasWhite = bar.coloured < bar.parts;
    const auto apart = [](const std::optional<Text> &a, const std::optional<Text> &b) {
        return a && b && !a->rect.intersects(b->rect);
    };
    // Each in its own length.
    const auto inColoured = hasColoured
        ? fitted(colouredText, font, Qt::white, colouredSpace, Qt::AlignCenter, zoom)
        : std::optional<Text> {};
    const auto inWhite = hasWhite
        ? fitted(whiteText, font, Qt::black, whiteSpace, Qt::AlignCenter, zoom)
        : std::optional<Text> {};
    if ((inColoured || !hasColoured) && (inWhite || !hasWhite)) {
        for (const auto &label : {inColoured, inWhite}) {
            if (label)
                shape.labels.push_back(*label);
        }
        return true;
    }
    if (!mayPoint || !hasColoured || !hasWhite)
        return false;
    // Both in the white length, the coloured one's first, pointing left.
    if (!inColoured) {
        const auto pointing = fitted(QStringLiteral("← ") + colouredText, font, Qt::black,
                                     whiteSpace.adjusted(2 * zoom, 0, 0, 0), Qt::AlignLeft, zoom);
        const auto white = fitted(whiteText, font, Qt::black, whiteSpace, Qt::AlignRight, zoom);
        if (apart(pointing, white)) {
            shape.labels = {*pointing, *white};
            return true;
        }
        return false;
    }
    // Both in the coloured length, the white one's last, pointing right.
    const auto pointing = fitted(whiteText + QStringLiteral(" →"), font, Qt::white,
                                 colouredSpace.adjusted(0, 0, -2 * zoom, 0), Qt::AlignRight, zoom);
    const auto colouredLabel =
        fitted(colouredText, font, Qt::white, colouredSpace, Qt::AlignLeft, zoom);
    if (apart(colouredLabel, pointing)) {
        shape.labels = {*colouredLabel, *pointing};
        return true;
    }
    return false;
}

// One part of a whole, labelled inside it or, when it is too short, just
// after it.
bool labelOnePart(HelpDrawing::BarShape &shape, const Bar &bar, const QFont &font, qreal zoom)
{
    const QString text = QStringLiteral("1 delle %1 parti").arg(bar.parts);
    if (const auto inside = fitted(text, font, Qt::white, shape.outline, Qt::AlignCenter, zoom)) {
        shape.labels = {*inside};
        return true;
    }
    const QRectF after(shape.outline.right() + 2 * zoom, shape.place.top(),
                       shape.place.right() - shape.outline.right() - 2 * zoom,
                       shape.place.height());
    if (const auto beside = fitted(text, font, Qt::black, after, Qt::AlignLeft, zoom)) {
        shape.labels = {*beside};
        return true;
    }
    return false;
}

} // namespace

HelpPanel::HelpPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("aiuto"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HelpPanel::setHelp(const Help &help)
{
    const bool moved = help.about != m_help.about;
    m_help = help;
    setAccessibleName(m_help.lines.join(QLatin1Char(' ')));
    QStringList bars;
    for (const Bar &bar : m_help.bars)
        bars << (bar.caption.isEmpty() ? describe(bar)
                                       : bar.caption + QStringLiteral(": ") + describe(bar));
    setAccessibleDescription(bars.join(QStringLiteral("; ")));
    update();
    if (moved && !isHidden())
        emit aboutChanged(m_help.about);
}

void HelpPanel::setZoom(qreal zoom)
{
    m_zoom = zoom;
    update();
}

void HelpPanel::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    emit tapped();
}

void HelpPanel::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    emit aboutChanged(visible ? m_help.about : -1);
}

HelpDrawing HelpPanel::drawing(const QSizeF &size) const
{
    HelpDrawing drawn;
    const qreal margin = 8 * m_zoom;
    const QRectF inside = QRectF(QPointF(), size).adjusted(margin, margin, -margin, -margin);
    if (inside.width() <= 0 || inside.height() <= 0)
        return drawn;
    // The text beside the bars when the panel is wide, above them otherwise.
    const bool wide = size.width() > 2 * size.height();
    QRectF text = inside;
    QRectF bars = inside;
    if (wide) {
        text.setWidth(inside.width() * 0.6);
        bars.setLeft(text.right() + margin);
    }
    // Where room is short the text grows smaller rather than be cut off;
    // above the bars it leaves each bar a row where its labels can be read.
    const qreal barsHeight = 40 * m_zoom * qreal(m_help.bars.size());
    const qreal room =
        wide ? text.height() : text.height() - std::min(barsHeight, text.height() / 2);
    QFont font = this->font();
    Flow lines = flow(m_help.lines, font, text.width(), text.topLeft(), m_zoom);
    for (int step = 0; step < 10 && (lines.height > room || lines.overflows)
         && font.pointSizeF() > smallestPoints;
         ++step) {
        font = scaled(font, 0.92);
        lines = flow(m_help.lines, font, text.width(), text.topLeft(), m_zoom);
    }
    drawn.texts = std::move(lines.texts);
    drawn.fractionBars = std::move(lines.bars);
    if (!wide)
        bars.setTop(text.top() + lines.height + margin);
    layBars(drawn, bars, font);
    return drawn;
}

void HelpPanel::layBars(HelpDrawing &drawn, const QRectF &room, const QFont &textFont) const
{
    const int count = int(m_help.bars.size());
    if (count == 0 || room.height() <= 0 || room.width() <= 0)
        return;
    const qreal row = std::min(room.height() / count, 56 * m_zoom);
    // The captions in a column of their own, so that every bar is as long;
    // a stacked caption as tall as a row at most.
    QFont captionFont = textFont;
    const auto captions = [&](const QFont &font) {
        std::vector<Flow> laid;
        for (int k = 0; k < count; ++k)
            laid.push_back(flow({m_help.bars[k].caption}, font, room.width() / 2,
                                QPointF(room.left(), room.top() + k * row), m_zoom));
        return laid;
    };
    std::vector<Flow> captionFlows = captions(captionFont);
    const auto tallest = [&] {
        qreal height = 0;
        for (const Flow &caption : captionFlows)
            height = std::max(height, caption.height);
        return height;
    };
    for (int step = 0; step < 10 && tallest() > row && captionFont.pointSizeF() > smallestPoints;
         ++step) {
        captionFont = scaled(captionFont, 0.9);
        captionFlows = captions(captionFont);
    }
    qreal captionWidth = 0;
    for (const Flow &caption : captionFlows)
        captionWidth = std::max(captionWidth, caption.width);
    const qreal gap = captionWidth > 0 ? 6 * m_zoom : 0;
    const qreal barLeft = room.left() + captionWidth + gap;
    const qreal barWidth = room.right() - barLeft;
    if (barWidth <= 0)
        return;

    // The labels' letters no taller than the bar leaves room for.
    QFont labelFont = textFont;
    while (QFontMetricsF(labelFont).height() > row * 0.7 && labelFont.pointSizeF() > smallestPoints)
        labelFont = scaled(labelFont, 0.9);

    // Each part drawn when every bar's parts are far enough apart and each
    // part holds its label, a little smaller if need be; otherwise every
    // bar alike in lengths.
    QFont partFont = labelFont;
    const auto partsFit = [&](const QFont &font) {
        bool fit = m_help.scale == BarScale::Whole;
        for (const Bar &bar : m_help.bars) {
            const qreal part = barWidth / std::max(1, bar.parts);
            fit = fit && part >= closestLines * m_zoom
                && (bar.partLabel.isEmpty()
                    || QFontMetricsF(font).horizontalAdvance(bar.partLabel) + 4 * m_zoom <= part);
        }
        return fit;
    };
    bool eachPart = partsFit(partFont);
    for (int step = 0; step < 3 && !eachPart; ++step) {
        partFont = scaled(partFont, 0.9);
        eachPart = partsFit(partFont);
    }
    qreal longestPart = 0;
    for (const Bar &bar : m_help.bars)
        longestPart = std::max(longestPart, 1.0 / std::max(1, bar.parts));

    for (int k = 0; k < count; ++k) {
        const Bar &bar = m_help.bars[k];
        Flow &caption = captionFlows[k];
        // Centred on its row.
        const qreal down = (row - caption.height) / 2;
        for (Text &piece : caption.texts) {
            piece.rect.translate(0, down);
            drawn.texts.push_back(piece);
        }
        for (QLineF &line : caption.bars)
            drawn.fractionBars.push_back(line.translated(0, down));

        HelpDrawing::BarShape shape;
        shape.place = QRectF(barLeft, room.top() + k * row + row * 0.15, barWidth, row * 0.7);
        const int parts = std::max(1, bar.parts);
        const int colouredParts = std::clamp(bar.coloured, 0, parts);
        if (m_help.scale == BarScale::OnePart) {
            const qreal length =
                std::max(closestLines * m_zoom, barWidth * (1.0 / parts) / longestPart);
            shape.outline = QRectF(barLeft, shape.place.top(), length, shape.place.height());
            shape.coloured = shape.outline;
            QFont font = labelFont;
            for (int step = 0; step < 8 && !labelOnePart(shape, bar, font, m_zoom); ++step)
                font = scaled(font, 0.9);
        } else if (eachPart) {
            shape.outline = shape.place;
            const qreal part = barWidth / parts;
            shape.coloured =
                QRectF(barLeft, shape.place.top(), part * colouredParts, shape.place.height());
            for (int p = 1; p < parts; ++p)
                shape.divisions.push_back(barLeft + p * part);
            if (!bar.partLabel.isEmpty()) {
                for (int p = 0; p < parts; ++p) {
                    const QRectF cell(barLeft + p * part, shape.place.top(), part,
                                      shape.place.height());
                    if (const auto label = fitted(bar.partLabel, partFont,
                                                  p < colouredParts ? Qt::white : Qt::black, cell,
                                                  Qt::AlignCenter, m_zoom))
                        shape.labels.push_back(*label);
                }
            }
        } else {
            shape.outline = shape.place;
            // The coloured length is exact, but never so short or so long
            // that a child cannot see it is there or that something is
            // missing.
            qreal length = barWidth * colouredParts / parts;
            if (colouredParts > 0 && colouredParts < parts)
                length =
                    std::clamp(length, closestLines * m_zoom, barWidth - closestLines * m_zoom);
            shape.coloured = QRectF(barLeft, shape.place.top(), length, shape.place.height());
            if (colouredParts > 0 && colouredParts < parts)
                shape.divisions.push_back(barLeft + length);
            // A label a little smaller in its own length reads better than
            // one beside it.
            bool labelled = false;
            for (const auto &[steps, mayPoint, brief] :
                 {std::tuple {3, false, false}, std::tuple {8, true, false},
                  std::tuple {8, true, true}}) {
                QFont font = labelFont;
                for (int step = 0; step < steps && !labelled; ++step, font = scaled(font, 0.9))
                    labelled = labelLengths(shape, bar, font, m_zoom, mayPoint, brief);
            }
        }
        drawn.bars.push_back(shape);
    }
}

void HelpPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const qreal pen = 2 * m_zoom;
    painter.setPen(QPen(outline, pen));
    painter.drawRect(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));

    const HelpDrawing drawn = drawing(size());
    const auto write = [&painter](const Text &text) {
        painter.setFont(text.font);
        painter.setPen(text.colour);
        painter.drawText(text.rect, Qt::AlignCenter, text.text);
    };
    for (const Text &text : drawn.texts)
        write(text);
    painter.setPen(QPen(Qt::black, std::max(1.0, 1.5 * m_zoom)));
    for (const QLineF &line : drawn.fractionBars)
        painter.drawLine(line);
    for (const HelpDrawing::BarShape &shape : drawn.bars) {
        painter.fillRect(shape.outline, Qt::white);
        painter.fillRect(shape.coloured, coloured);
        painter.setPen(QPen(outline, std::max(1.0, m_zoom)));
        for (qreal x : shape.divisions)
            painter.drawLine(QPointF(x, shape.outline.top()), QPointF(x, shape.outline.bottom()));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(shape.outline);
        for (const Text &label : shape.labels)
            write(label);
    }
}

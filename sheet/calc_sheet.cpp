#include "sheet/calc_sheet.h"

#include "diagram/plot.h"
#include "sheet/sheet_text.h"
#include "ui/palette.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <optional>
#include <utility>

namespace tavrel
{

namespace
{

// The page in millimetres: A4 portrait and its margins.
constexpr double kPageWidth = 210, kPageHeight = 297;
constexpr double kLeft = 16, kRight = 16, kTop = 13, kBottom = 11;
constexpr double kWidth = kPageWidth - kLeft - kRight;
constexpr double kGap = 4;
constexpr double kPictureWidth = 54;
constexpr double kSignatureWidth = 19, kSignatureHead = 5, kSignatureHeight = 20;
constexpr double kResultsWidth = 100;
// The diagrams get what the text leaves of the page, but at least this
// much: past it the text is set smaller.
constexpr double kSmallestDiagrams = 62;
// The most height a plot of the diagrams takes, in mm.
constexpr double kTallestPlot = 75;
// The diagrams' text against the body's.
constexpr double kDiagramText = 0.9;
constexpr double kMmPerPoint = 25.4 / 72;
// Text sizes in points, tried from the first until everything fits.
constexpr double kBodySizes[] = {9, 8.5, 8, 7.5, 7, 6.5};
// A text with a number wider than its box is set smaller by steps of this
// share of its size, down to the smallest share; a value in a table, down
// to the narrowest before it takes a line of its own.
constexpr double kTextStep = 0.05;
constexpr double kSmallestText = 0.5;
constexpr double kNarrowestValue = 0.85;

const char *const kSignatures[] = {"作成", "照査", "承認"};
const QString kManual = QStringLiteral("検証マニュアル（公表された計算例との照合）: "
                                       "/usr/share/doc/tavrel/verification.md");

const QColor kRule(110, 110, 110);
const QColor kGrid(190, 190, 190);

// Lays the sheet out from the top down; with `draw` false it only
// measures, so that the size of the text can be chosen before painting.
class SheetLayout
{
public:
    SheetLayout(QPainter &painter, const QRectF &page, double dotsPerMm, const SheetContent &content,
                double bodySize)
        : p_(painter), origin_(page.topLeft()), dots_(dotsPerMm), c_(content), body_(bodySize)
    {
    }

    // The header, the inputs, the formulas and the results; gives the
    // height left for the diagrams.
    double lay(const QDateTime &when, bool draw)
    {
        draw_ = draw;
        y_ = kTop;
        header(when);
        inputs();
        formulas();
        results();
        footerTop_ = kPageHeight - kBottom - footer(false);
        return footerTop_ - y_ - kGap;
    }

    void finish()
    {
        diagrams();
        footer(true);
    }

private:
    QFont font(double scale, bool bold = false) const
    {
        QFont f;
        f.setFamilies(fontFor(FontRole::Inherit).families());
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(body_ * scale);
        f.setBold(bold);
        return f;
    }

    QRectF dev(const QRectF &mm) const
    {
        return {origin_.x() + mm.x() * dots_, origin_.y() + mm.y() * dots_, mm.width() * dots_,
                mm.height() * dots_};
    }

    // `text` in lines `width` mm wide at font `f` (see wrappedLines), and
    // whether every line fits that width.
    std::pair<QStringList, bool> lines(const QString &text, const QFont &f, double width) const
    {
        const QFontMetricsF fm(f, p_.device());
        const auto advance = [&fm](const QString &line) { return fm.horizontalAdvance(line); };
        const QStringList rows = wrappedLines(text, width * dots_, advance);
        return {rows,
                std::ranges::all_of(rows, [&](const QString &row) { return advance(row) <= width * dots_; })};
    }

    // `f`, made smaller while a word of `text` (a number) is wider than
    // `width` mm, down to `smallest` of its size; none where even that is
    // too wide.
    std::optional<QFont> fittingFont(const QString &text, QFont f, double width, double smallest) const
    {
        const double size = f.pointSizeF();
        for (double scale = 1; scale >= smallest - 1e-9; scale -= kTextStep) {
            f.setPointSizeF(size * scale);
            if (lines(text, f, width).second)
                return f;
        }
        return std::nullopt;
    }

    // Sets `text` into a box `width` mm wide at (x, y), in lines broken
    // where a line may break and set smaller where a number would not fit
    // whole (never broken, at worst wider than the box); gives the height it
    // takes in mm. Katakana is printed in full width, the one spelling of
    // the page, whatever the window's captions use.
    double text(double x, double y, double width, const QString &text, const QFont &f,
                Qt::Alignment align = Qt::AlignLeft, bool draw = true)
    {
        const QString printed = fullWidthKana(text);
        QFont used = f;
        used.setPointSizeF(f.pointSizeF() * kSmallestText);
        used = fittingFont(printed, f, width, kSmallestText).value_or(used);
        const QStringList rows = lines(printed, used, width).first;
        const double rowHeight = QFontMetricsF(used, p_.device()).height();
        if (draw && draw_) {
            p_.setPen(Qt::black);
            p_.setFont(used);
            for (qsizetype i = 0; i < rows.size(); ++i)
                p_.drawText(QRectF(dev({x, y, width, 0}).topLeft() + QPointF(0, i * rowHeight),
                                   QSizeF(width * dots_, rowHeight)),
                            align | Qt::AlignTop, rows[i]);
        }
        return std::max(rows.size() * rowHeight, QFontMetricsF(f, p_.device()).height()) / dots_;
    }

    void line(double x0, double y0, double x1, double y1, const QColor &colour, double widthMm)
    {
        if (!draw_)
            return;
        p_.setPen(QPen(colour, widthMm * dots_));
        p_.drawLine(QPointF(origin_.x() + x0 * dots_, origin_.y() + y0 * dots_),
                    QPointF(origin_.x() + x1 * dots_, origin_.y() + y1 * dots_));
    }

    void frame(const QRectF &mm)
    {
        if (!draw_)
            return;
        p_.setPen(QPen(kRule, 0.25 * dots_));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(dev(mm));
    }

    void header(const QDateTime &when);
    void heading(const QString &name);
    enum class Columns { Values, Words };
    double table(double x, double y, double width, const QList<SheetRow> &rows,
                 Columns columns = Columns::Values);
    double picture(double x, double y, double width, double height);
    void inputs();
    void formulas();
    void results();
    void diagrams();
    double footer(bool draw);

    QPainter &p_;
    QPointF origin_;
    double dots_;
    const SheetContent &c_;
    double body_;
    bool draw_ = false;
    double y_ = 0;
    double footerTop_ = 0;
};

void SheetLayout::header(const QDateTime &when)
{
    const double signLeft = kPageWidth - kRight - 3 * kSignatureWidth;
    double y = kTop;
    y += text(kLeft, y, signLeft - kLeft - kGap, QStringLiteral("計算書"), font(2.2, true));
    y += text(kLeft, y, signLeft - kLeft - kGap, c_.title, font(1.45, true)) + 0.8;
    // The press's time and the saving's, apart: a sheet saved later still
    // dates the calculation it shows.
    const auto time = [](const QDateTime &at) {
        return QLocale::c().toString(at.toLocalTime(), QStringLiteral("yyyy-MM-dd HH:mm"));
    };
    const QString stamp = QStringLiteral("計算日時 %1　　保存日時 %2　　%3")
                              .arg(time(c_.pressedAt), time(when), QString::fromLatin1(kSheetProgram));
    y += text(kLeft, y, signLeft - kLeft - kGap, stamp, font(0.95));
    // The particulars in two columns: 件名 and 部品名, 図番 and 作成者.
    const double half = (signLeft - kLeft - kGap - kGap) / 2;
    double columns[2] = {0, 0};
    for (int column = 0; column < 2; ++column) {
        QList<SheetRow> rows;
        for (qsizetype i = column; i < c_.particulars.size(); i += 2)
            rows << c_.particulars[i];
        columns[column] = table(kLeft + column * (half + kGap), y, half, rows, Columns::Words);
    }
    y += std::max(columns[0], columns[1]);
    for (int i = 0; i < 3; ++i) {
        const double x = signLeft + i * kSignatureWidth;
        frame({x, kTop, kSignatureWidth, kSignatureHeight});
        line(x, kTop + kSignatureHead, x + kSignatureWidth, kTop + kSignatureHead, kRule, 0.25);
        text(x, kTop + 0.8, kSignatureWidth, QString::fromUtf8(kSignatures[i]), font(0.9), Qt::AlignHCenter);
    }
    y_ = std::max(y, kTop + kSignatureHeight) + 2;
    line(kLeft, y_, kPageWidth - kRight, y_, kRule, 0.4);
    y_ += 1.5;
}

void SheetLayout::heading(const QString &name)
{
    y_ += 1.2;
    y_ += text(kLeft, y_, kWidth, name, font(1.15, true)) + 0.3;
    line(kLeft, y_, kPageWidth - kRight, y_, kRule, 0.2);
    y_ += 1;
}

// Caption, value and unit in three columns, the values right-aligned so
// that their points line up; or, for words, caption and words in two.
double SheetLayout::table(double x, double y, double width, const QList<SheetRow> &rows, Columns columns)
{
    const bool words = columns == Columns::Words;
    const double captionWidth = width * (words ? 0.3 : 0.4);
    const double valueWidth = words ? width - captionWidth : width * 0.25;
    const double unitWidth = width - captionWidth - valueWidth - 2;
    const Qt::Alignment valueAlign = words ? Qt::AlignLeft : Qt::AlignRight;
    const QFont f = font(1);
    const double top = y;
    for (const SheetRow &row : rows) {
        // A number too long for its column, even set a little smaller, goes
        // on a line of its own under its caption, across both columns.
        const bool ownLine = !words && !fittingFont(row.value, f, valueWidth, kNarrowestValue);
        const double valueLeft = ownLine ? x : x + captionWidth;
        const double captionHeight = text(x, y + 0.5, captionWidth, row.caption, f);
        const double valueTop = y + 0.5 + (ownLine ? captionHeight : 0);
        const double valueHeight =
            text(valueLeft, valueTop, x + captionWidth + valueWidth - valueLeft, row.value, f, valueAlign);
        const QString unit =
            row.si.isEmpty() ? row.unit : row.unit + QStringLiteral("（") + row.si + QStringLiteral("）");
        const double unitHeight =
            words ? 0 : text(x + captionWidth + valueWidth + 2, valueTop, unitWidth, unit, f);
        y = std::max({y + 0.5 + captionHeight, valueTop + std::max(valueHeight, unitHeight)}) + 0.5;
        line(x, y, x + width, y, kGrid, 0.15);
    }
    return y - top;
}

// The picture's parts one under the other, each as large as the width and
// its share of the height allow.
double SheetLayout::picture(double x, double y, double width, double height)
{
    if (c_.picture.resource.isEmpty())
        return 0;
    QSvgRenderer svg(c_.picture.resource);
    const QStringList parts = c_.picture.elements.isEmpty() ? QStringList{QString()} : c_.picture.elements;
    const double share = height / parts.size();
    double used = 0;
    for (const QString &part : parts) {
        const QRectF bounds = part.isEmpty() ? QRectF(svg.viewBoxF()) : svg.boundsOnElement(part);
        if (bounds.isEmpty())
            continue;
        const double scale = std::min(width / bounds.width(), share / bounds.height());
        const QRectF place(x + (width - bounds.width() * scale) / 2, y + used, bounds.width() * scale,
                           bounds.height() * scale);
        if (draw_)
            part.isEmpty() ? svg.render(&p_, dev(place)) : svg.render(&p_, part, dev(place));
        used += place.height() + 2;
    }
    return used;
}

void SheetLayout::inputs()
{
    heading(QStringLiteral("1. 入力"));
    const double tableWidth = kWidth - kPictureWidth - kGap;
    double height = table(kLeft, y_, tableWidth, c_.selection, Columns::Words);
    height += table(kLeft, y_ + height, tableWidth, c_.inputs);
    if (!c_.inputNote.isEmpty())
        height += text(kLeft, y_ + height + 0.5, tableWidth, c_.inputNote, font(0.92)) + 0.5;
    const double pictureHeight = std::clamp(height, 40.0, 62.0);
    height = std::max(height, picture(kLeft + tableWidth + kGap, y_, kPictureWidth, pictureHeight));
    y_ += height;
}

void SheetLayout::formulas()
{
    heading(QStringLiteral("2. 計算式（数値を代入したもの）"));
    const QFont f = font(1);
    for (const SheetFormula &formula : c_.formulas) {
        y_ += text(kLeft, y_, kWidth, formula.symbolic, f);
        if (!formula.withNumbers.isEmpty())
            y_ += text(kLeft + 8, y_, kWidth - 8, formula.withNumbers, f);
        y_ += 0.9;
    }
    for (const QString &note : c_.notes)
        y_ += text(kLeft, y_, kWidth, note, font(0.92)) + 0.5;
}

void SheetLayout::results()
{
    heading(QStringLiteral("3. 結果（画面の表示どおり）"));
    double used = table(kLeft, y_, kResultsWidth, c_.results);
    if (!c_.judgements.isEmpty()) {
        used += text(kLeft, y_ + used + 0.5, kResultsWidth, QStringLiteral("判定"), font(1, true)) + 0.8;
        for (const QString &judgement : c_.judgements)
            used += text(kLeft, y_ + used, kResultsWidth, judgement, font(0.95)) + 0.3;
    }
    double marked = 0;
    if (!c_.marked.isEmpty()) {
        const double x = kLeft + kResultsWidth + kGap, width = kWidth - kResultsWidth - kGap;
        marked = text(x, y_, width, QStringLiteral("図に示した値"), font(1, true)) + 0.5;
        for (const QString &value : c_.marked)
            marked += text(x, y_ + marked, width, value, font(0.95)) + 0.3;
    }
    y_ += std::max(used, marked);
}

// The diagram window's drawing, its text a little smaller than the body.
// The drawing sizes its text and lines in pixels: the painter is scaled so
// that its font comes out at that size on the page.
void SheetLayout::diagrams()
{
    heading(QStringLiteral("4. 図"));
    const double height = std::min(footerTop_ - y_ - 1, kTallestPlot * c_.diagrams.plots.size());
    const QRectF area = dev({kLeft, y_, kWidth, height});
    if (c_.diagrams.plots.empty() || area.height() <= 0 || !draw_)
        return;
    const double scale = body_ * kDiagramText * kMmPerPoint * dots_ / fontFor(FontRole::Inherit).pixelSize();
    p_.save();
    p_.translate(area.topLeft());
    p_.scale(scale, scale);
    drawFigure(p_, QRectF(QPointF(), area.size() / scale), c_.diagrams);
    p_.restore();
}

double SheetLayout::footer(bool draw)
{
    const QFont f = font(0.88);
    const double programWidth = 42;
    double y = footerTop_;
    if (draw)
        line(kLeft, y, kPageWidth - kRight, y, kRule, 0.3);
    y += 1;
    y += text(kLeft, y, kWidth, c_.assumptions, f, Qt::AlignLeft, draw) + 0.4;
    text(kPageWidth - kRight - programWidth, y, programWidth,
         QString::fromLatin1(kSheetProgram) + QStringLiteral("　1 / 1"), f, Qt::AlignRight, draw);
    y += text(kLeft, y, kWidth - programWidth, kManual, f, Qt::AlignLeft, draw);
    return y - footerTop_;
}

} // namespace

void paintSheet(QPainter &painter, const QRectF &page, double dotsPerMm, const SheetContent &content,
                const QDateTime &when)
{
    // The largest text with which the diagrams keep their room.
    double size = kBodySizes[0];
    for (double candidate : kBodySizes) {
        size = candidate;
        SheetLayout trial(painter, page, dotsPerMm, content, size);
        if (trial.lay(when, false) >= kSmallestDiagrams)
            break;
    }
    SheetLayout layout(painter, page, dotsPerMm, content, size);
    layout.lay(when, true);
    layout.finish();
}

} // namespace tavrel
